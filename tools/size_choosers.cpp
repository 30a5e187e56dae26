// The size choosers of the options panel: one bar per size, the current one green. Four sets
// of bars serve the pencil family, the brushes, the texture brushes and the effect tools.
#include <span>

#include "tools/tool_ops.h"

namespace {

struct SizeBar {
    Rect bar;  // panel pixels
    int32_t size;
    int32_t widen;  // extra pixels on the left and right for the click only
};

constexpr int32_t kPanelWidth = 94;
constexpr int32_t kPanelHeight = 82;

// Thin bars are hard for small hands to hit: the two narrowest take clicks 2 pixels wider.
constexpr SizeBar kPencilBars[] = {
    {{6, 9, 8, 73}, 1, 2},    {{12, 9, 16, 73}, 4, 2},  {{20, 9, 27, 73}, 8, 0},
    {{31, 9, 41, 73}, 16, 0}, {{45, 9, 60, 73}, 24, 0}, {{64, 9, 86, 73}, 32, 0},
};
constexpr SizeBar kBrushBars[] = {
    {{6, 9, 8, 73}, 16, 2},   {{12, 9, 16, 73}, 20, 2}, {{20, 9, 27, 73}, 24, 0},
    {{31, 9, 41, 73}, 28, 0}, {{45, 9, 60, 73}, 32, 0}, {{64, 9, 86, 73}, 36, 0},
};
constexpr SizeBar kTextureBars[] = {
    {{6, 9, 21, 73}, 24, 0}, {{27, 9, 50, 73}, 32, 0}, {{57, 9, 89, 73}, 48, 0}};
constexpr SizeBar kEffectBars[] = {
    {{6, 9, 21, 73}, 16, 0}, {{27, 9, 50, 73}, 28, 0}, {{57, 9, 89, 73}, 40, 0}};

void draw_bars(const SceneObject& o, const Rect& panel, std::span<const SizeBar> bars) {
    Rect r{0, 0, kPanelWidth, kPanelHeight};
    BitmapRef work = tb_CreateBitmap(&r, 0, 24);
    if (work == -1) return;
    tb_SetForeColor(work, 65025, 65025, 65025);
    tb_PaintRect(work, &r);
    for (const SizeBar& b : bars) {
        if (b.size == o.size) {
            tb_SetForeColor(work, 0, 65025, 0);
        } else {
            tb_SetForeColor(work, 0, 0, 0);
        }
        tb_PaintRect(work, &b.bar);
    }
    Rect to{panel.left, panel.top, panel.left + kPanelWidth, panel.top + kPanelHeight};
    tb_CopyBitmap(work, o.sceneBitmap, &r, &to, 0);
    tb_DisposeBitmap(work);
}

void click_bars(SceneObject& o, int32_t x, int32_t y, const Rect& panel,
                std::span<const SizeBar> bars) {
    const int32_t px = x - panel.left;
    const int32_t py = y - panel.top;
    for (const SizeBar& b : bars) {
        Rect hit = b.bar;
        tb_InsetRect(&hit, -b.widen, 0);
        if (tb_PtInRect(px, py, &hit) != 0) {
            o.size = b.size;
            return;
        }
    }
}

}  // namespace

void pencil_sizes_draw(SceneObject* object, const Rect* panel) {
    draw_bars(*object, *panel, kPencilBars);
}
void pencil_sizes_click(SceneObject* object, int32_t x, int32_t y, const Rect* panel) {
    click_bars(*object, x, y, *panel, kPencilBars);
}
void brush_sizes_draw(SceneObject* object, const Rect* panel) {
    draw_bars(*object, *panel, kBrushBars);
}
void brush_sizes_click(SceneObject* object, int32_t x, int32_t y, const Rect* panel) {
    click_bars(*object, x, y, *panel, kBrushBars);
}
void texture_sizes_draw(SceneObject* object, const Rect* panel) {
    draw_bars(*object, *panel, kTextureBars);
}
void texture_sizes_click(SceneObject* object, int32_t x, int32_t y, const Rect* panel) {
    click_bars(*object, x, y, *panel, kTextureBars);
}
void effect_sizes_draw(SceneObject* object, const Rect* panel) {
    draw_bars(*object, *panel, kEffectBars);
}
void effect_sizes_click(SceneObject* object, int32_t x, int32_t y, const Rect* panel) {
    click_bars(*object, x, y, *panel, kEffectBars);
}
