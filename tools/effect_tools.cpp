// Screwdriver, Sunglasses, Light bulb, Tissue, Tint crayon, Salt shaker and Chisel.
#include "tools/effect_tools.h"

#include "tools/edge_fill.h"
#include "tools/filters.h"
#include "tools/options_panel.h"
#include "tools/paint_tools.h"
#include "tools/scene_services.h"
#include "tools/tool_families.h"
#include "tools/tool_ops.h"

namespace {

constexpr int32_t kFull = 65025;
constexpr int32_t kTintAmount = 20;

// The filter each mode runs (index mode - 1). The Tint crayon's entry is its red one; its
// switches choose the channel.
struct ModeFilter {
    NamedFilter filter;
    int32_t amount;
};
constexpr ModeFilter kModeFilters[] = {
    {NamedFilter::MildSharpen, 0},
    {NamedFilter::Darken, 5},
    {NamedFilter::Brighten, 5},
    {NamedFilter::Blur3, 0},
    {NamedFilter::RedBoost, kTintAmount},
    {NamedFilter::Grain, 10},
    {NamedFilter::Emboss, 0},
};
constexpr int32_t kModeCount = sizeof(kModeFilters) / sizeof(kModeFilters[0]);

// The picture as it was before the stroke: the input dispatch copies it into the undo bitmap
// at every press. This is all the effect tools ask of the scene.
BitmapRef picture_before_stroke() { return g_undoBitmap; }

// Runs the object's filter over `inside` of the work bitmap.
void filter_work(const SceneObject& o, BitmapRef work, const Rect& inside) {
    if (o.mode == EFFECT_TINT) {
        // One switch is set; should more be, each raises its channel in turn.
        if (o.red == 1) apply_named_filter(work, inside, NamedFilter::RedBoost, kTintAmount);
        if (o.green == 1) apply_named_filter(work, inside, NamedFilter::GreenBoost, kTintAmount);
        if (o.blue == 1) apply_named_filter(work, inside, NamedFilter::BlueBoost, kTintAmount);
        return;
    }
    if (o.mode < 1 || o.mode > kModeCount) return;
    const ModeFilter& f = kModeFilters[o.mode - 1];
    apply_named_filter(work, inside, f.filter, f.amount);
}

// One dab: the square of half-width r around (x, y) goes into a work bitmap (from the picture
// before the stroke for the Chisel, from the picture as it now is for the others), is filtered
// where it lies inside the picture, and a disc of radius r - 1 goes back. The work bitmap's
// parts outside the picture take the nearest picture pixels first, so that the filters that
// read neighbours (blur, sharpen, emboss) see the picture go on past its edge rather than black;
// the disc never reaches them.
void effect_dab(const SceneObject& o, int32_t x, int32_t y) {
    const int32_t r = tool_radius(&o);
    const Rect box{x - r, y - r, x + r, y + r};
    Rect pictureRect;
    tb_GetBitmapRect(o.pictureBitmap, &pictureRect);
    Rect inside;
    const bool hasInside = tb_IntersectRect(&inside, &box, &pictureRect) != 0;
    tb_OffsetRect(&inside, -box.left, -box.top);

    Rect workRect{0, 0, 2 * r, 2 * r};
    BitmapRef work = tb_CreateBitmap(&workRect, -1, 24);
    if (work < 0) return;
    const BitmapRef source = o.mode == EFFECT_EMBOSS ? o.auxHandle : o.pictureBitmap;
    tb_CopyBitmap(source, work, &box, &workRect, 0);
    if (hasInside) {
        fill_outside_with_nearest(work, inside);
        filter_work(o, work, inside);
    }
    copy_work_disc(work, o.pictureBitmap, x, y, r - 1);
    tb_DisposeBitmap(work);
}

// ---- The Tint crayon's panel ------------------------------------------------------------------

constexpr SizeBar kTintBars[] = {
    {{6, 9, 21, 50}, 16, 0}, {{27, 9, 50, 50}, 28, 0}, {{57, 9, 89, 50}, 40, 0}};

// The blobs that choose the channel, left to right: red, green, blue.
struct ChannelBlob {
    Rect blob;  // panel pixels
    int32_t red, green, blue;
};
constexpr ChannelBlob kChannelBlobs[] = {
    {{6, 60, 28, 73}, kFull, 40800, 40800},
    {{36, 60, 58, 73}, 40800, kFull, 40800},
    {{66, 60, 88, 73}, 40800, 40800, kFull},
};

int32_t chosen_channel(const SceneObject& o) {
    if (o.red == 1) return 0;
    if (o.green == 1) return 1;
    if (o.blue == 1) return 2;
    return -1;
}

}  // namespace

void effect_press(SceneObject* object, int32_t x, int32_t y) {
    SceneObject& o = *object;
    o.auxHandle = picture_before_stroke();
    if (o.soundId != 0) tb_PlaySoundLoop(static_cast<int16_t>(o.soundId));
    o.active = 1;
    effect_drag(object, x, y);
    tool_show_cursor(object);
}

void effect_drag(SceneObject* object, int32_t x, int32_t y) {
    if (object->active == 0) return;
    effect_dab(*object, x, y);
    tool_show_cursor(object);
}

void effect_release(SceneObject* object, int32_t, int32_t) {
    object->active = 0;
    tb_StopSound();
}

void tint_options_draw(SceneObject* object, const Rect* panel) {
    BitmapRef work = panel_begin();
    if (work == -1) return;
    panel_draw_size_bars(work, kTintBars, object->size);
    tb_SetForeColor(work, 32640, 32640, 32640);
    tb_Line(work, 6, 52, 89, 52, 1);
    const int32_t chosen = chosen_channel(*object);
    for (int32_t i = 0; i < 3; ++i) {
        const ChannelBlob& c = kChannelBlobs[i];
        tb_SetForeColor(work, c.red, c.green, c.blue);
        tb_PaintEllipse(work, &c.blob);
        if (i != chosen) continue;
        Rect ring = c.blob;
        tb_InsetRect(&ring, -2, -2);
        tb_SetForeColor(work, 0, 58000, 0);
        tb_FrameEllipse(work, &ring);
    }
    panel_finish(work, *object, *panel);
}

void tint_options_click(SceneObject* object, int32_t x, int32_t y, const Rect* panel) {
    const Point p = panel_point(x, y, *panel);
    const int32_t size = panel_size_at(kTintBars, p);
    if (size != 0) object->size = size;
    for (int32_t i = 0; i < 3; ++i) {
        if (tb_PtInRect(p.x, p.y, &kChannelBlobs[i].blob) == 0) continue;
        object->red = i == 0 ? 1 : 0;
        object->green = i == 1 ? 1 : 0;
        object->blue = i == 2 ? 1 : 0;
    }
}

void install_effect_tools(SceneObject* table) {
    for (int32_t entry = 18; entry <= 24; ++entry) {
        set_stroke_operations(table[entry], effect_press, effect_drag, effect_release);
    }
    table[22].drawOptions = tint_options_draw;
    table[22].clickOptions = tint_options_click;
}
