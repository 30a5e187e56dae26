// The size choosers of the options panel: one bar per size, the current one green. Four sets
// of bars serve the pencil family, the brushes, the texture brushes and the effect tools; the
// panel pieces they are drawn with serve the tools' own panels too.
#include <span>

#include "tools/options_panel.h"
#include "tools/tool_ops.h"

namespace {

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
    BitmapRef work = panel_begin();
    if (work == -1) return;
    panel_draw_size_bars(work, bars, o.size);
    panel_finish(work, o, panel);
}

void click_bars(SceneObject& o, int32_t x, int32_t y, const Rect& panel,
                std::span<const SizeBar> bars) {
    const int32_t size = panel_size_at(bars, panel_point(x, y, panel));
    if (size != 0) o.size = size;
}

}  // namespace

BitmapRef panel_begin() {
    Rect r{0, 0, kPanelWidth, kPanelHeight};
    BitmapRef work = tb_CreateBitmap(&r, 0, 24);
    if (work == -1) return -1;
    tb_ClearClipRect(work);
    tb_SetForeColor(work, 65025, 65025, 65025);
    tb_PaintRect(work, &r);
    return work;
}

void panel_draw_size_bars(BitmapRef work, std::span<const SizeBar> bars, int32_t current) {
    for (const SizeBar& b : bars) {
        if (b.size == current) {
            tb_SetForeColor(work, 0, 65025, 0);
        } else {
            tb_SetForeColor(work, 0, 0, 0);
        }
        tb_PaintRect(work, &b.bar);
    }
}

void panel_finish(BitmapRef work, const SceneObject& object, const Rect& panel) {
    Rect r{0, 0, kPanelWidth, kPanelHeight};
    Rect to{panel.left, panel.top, panel.left + kPanelWidth, panel.top + kPanelHeight};
    tb_CopyBitmap(work, object.sceneBitmap, &r, &to, 0);
    tb_DisposeBitmap(work);
}

Point panel_point(int32_t x, int32_t y, const Rect& panel) {
    return Point{x - panel.left, y - panel.top};
}

int32_t panel_size_at(std::span<const SizeBar> bars, Point p) {
    for (const SizeBar& b : bars) {
        Rect hit = b.bar;
        tb_InsetRect(&hit, -b.widen, 0);
        if (tb_PtInRect(p.x, p.y, &hit) != 0) return b.size;
    }
    return 0;
}

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
