// Drawing primitives: colour state, rectangles, ellipses, lines, flood and pattern fills.
#include "toolbox/internal.h"

using namespace tb;

uint8_t tb_ConvertComponent(uint32_t component) {
    double x = component <= 65025 ? component / 65025.0 * 255.0 : component / 65535.0 * 255.0;
    return static_cast<uint8_t>(tb_Round(x));
}

static TbColor convert(uint32_t r, uint32_t g, uint32_t b) {
    return tb_MakeColor(tb_ConvertComponent(r), tb_ConvertComponent(g), tb_ConvertComponent(b));
}

void tb_SetForeColor(TargetRef target, uint32_t red, uint32_t green, uint32_t blue) {
    TbColor c = convert(red, green, blue);
    if (is_bitmap_handle(target)) {
        if (!valid_bitmap(target)) {
            tb_Error("Invalid bitmap! (tb_SetForeColor)");
            return;
        }
        g_bitmaps[target].fore = c;
    } else if (target == TB_PRINTER) {
        g_printerFore = c;
    } else if (!valid_window(target)) {
        tb_Error("Invalid window! (tb_SetForeColor)");
    } else {
        g_windows[target - TB_WINDOW_BASE].fore = c;
    }
}

void tb_PaintRect(TargetRef target, const Rect* rect) {
    Target t = resolve_target(target);
    if (t.image == nullptr) return;
    Rect area = drawable_area(t);
    Rect r;
    if (tb_IntersectRect(&r, rect, &area) == 0) return;
    for (int32_t y = r.top; y < r.bottom; ++y) {
        uint8_t* p = tb_PixelAddress(t.image, r.left, y);
        for (int32_t x = r.left; x < r.right; ++x) {
            *p++ = tb_ColorBlue(t.fore);
            *p++ = tb_ColorGreen(t.fore);
            *p++ = tb_ColorRed(t.fore);
        }
    }
    if (t.windowSlot >= 0) present_window(t.windowSlot, r);
}
