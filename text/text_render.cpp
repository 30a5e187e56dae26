#include "text/text_render.h"

#include <algorithm>

namespace {

constexpr int32_t kFull = 65025;
constexpr int16_t kCentred = 2;
constexpr int16_t kBottom = 1;

// A component as the ink takes it: limited to 0..65025, then to whole 8-bit steps.
uint32_t ink(int32_t component) {
    return static_cast<uint32_t>(std::clamp(component, 0, kFull) / 255 * 255);
}

bool clipped(const Rect* clip) {
    return clip != nullptr &&
           !(clip->left == -1 && clip->top == -1 && clip->right == -1 && clip->bottom == -1);
}

}  // namespace

void text_render(TargetRef target, int32_t x, int32_t y, const char* text, int32_t length,
                 const char* faceName, int32_t size, int32_t style, int32_t red, int32_t green,
                 int32_t blue, int32_t* width, int32_t* height, int32_t angle, const Rect* clip) {
    tb_SetFontSize(target, static_cast<int16_t>(std::clamp(size, -32767, 32767)));
    tb_SetFontStyle(target, static_cast<int16_t>(std::clamp(style, -1, 32767)));
    tb_SetForeColor(target, ink(red), ink(green), ink(blue));
    if (clipped(clip)) tb_SetClipRect(target, clip);
    TbLineMetrics line;
    const int32_t drawn = tb_DrawFamilyText(target, faceName, x, y, text, std::max(0, length),
                                            angle, 1, kCentred, kBottom, &line);
    if (clipped(clip)) tb_ClearClipRect(target);
    if (width != nullptr) *width = drawn;
    if (height != nullptr) *height = line.height;
}
