#include "text/text_tool.h"

#include <cstring>

#include "text/text_render.h"
#include "text/text_settings.h"
#include "tools/scene_services.h"

namespace {

// The window pixels the preview drew last; what the next move puts back.
Rect g_previewRect;

void render(TargetRef target, int32_t x, int32_t y, int32_t size, const Rect& clip) {
    int32_t width = 0;
    int32_t height = 0;
    text_render(target, x, y, g_textString, static_cast<int32_t>(std::strlen(g_textString)),
                g_textFontName, size, g_textStyle, g_currentColour.red, g_currentColour.green,
                g_currentColour.blue, &width, &height, 0, &clip);
}

}  // namespace

void text_draw_preview(int32_t x, int32_t y) {
    const WindowRef window = tb_GetMainWindow();
    // Nothing paints while the line is being placed, so the back buffer still holds what the
    // last preview covered: no need to compose the picture (stretched, while zoomed) again.
    if (g_previewRect.left < g_previewRect.right) {
        tb_CopyBitmap(g_backBuffer, window, &g_previewRect, &g_previewRect, 0);
    }
    tb_ResetTouchedRect(window);
    const int32_t size = text_current_size() * (g_zoomed != 0 ? 2 : 1);
    render(window, x, y, size, g_layout.picture);
    tb_GetTouchedRect(window, &g_previewRect);
}

void text_stamp(int32_t x, int32_t y) {
    const Rect picture{0, 0, scene_picture_width(), scene_picture_height()};
    render(g_pictureBitmap, x, y, text_current_size(), picture);
}
