// Ball brush, Mirror brush, Star wand, Needle and thread and Splat gun.
#include "tools/fancy_brushes.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <span>

#include "resources/resource_ids.h"
#include "tools/random_rules.h"
#include "tools/tool_families.h"
#include "tools/tool_ops.h"

namespace {

constexpr int32_t kFull = 65025;
constexpr int32_t kRandomColourMode = 1;
constexpr int32_t kTwoWay = 1;
constexpr int32_t kFourWay = 2;

// Sounds picked at random: pops of the ball brush, splashes of the splat gun.
constexpr int16_t kPops[] = {kSoundPop1, kSoundPop2, kSoundPop3, kSoundPop4, kSoundPop5};
constexpr int16_t kSplashes[] = {kSoundSplat1, kSoundSplat2, kSoundSplat3};

// The splats: picture (a black splat on white) and mask pairs, 120 x 120 each.
struct SplatArt {
    int32_t image;
    int32_t mask;
};
constexpr SplatArt kSplats[] = {
    {kBitmapSplat1, kMaskSplat1}, {kBitmapSplat2, kMaskSplat2}, {kBitmapSplat3, kMaskSplat3}};
constexpr int32_t kSplatCount = static_cast<int32_t>(std::size(kSplats));

// Below this length a colour is too dark to shade by its own brightness: its rings brighten in
// steps of the full length instead.
constexpr double kDarkLength = 2000.0;
constexpr double kRingStep = 0.06;

Point g_mirrorCentre;

int32_t half_size(const SceneObject& o) { return std::max(o.size / 2, 1); }

ToolColour tool_colour(const SceneObject& o) { return ToolColour{o.red, o.green, o.blue}; }

// The colour of one event: the tool's own or, in random-colour mode, a new one.
ToolColour event_colour(const SceneObject& o) {
    return o.mode == kRandomColourMode ? random_colour() : tool_colour(o);
}

// Where and how big one ball or star is: the colour of the event, a centre within half the
// radius of the pointer and a size from half the radius to the radius, drawn in this order.
struct Scatter {
    ToolColour colour;
    Point centre;
    int32_t size;
};

Scatter scatter(const SceneObject& o, int32_t x, int32_t y) {
    Scatter s;
    s.colour = event_colour(o);
    const int32_t r = half_size(o);
    const Point offset = random_offset(0, r / 2);
    s.centre = Point{x + offset.x, y + offset.y};
    s.size = tb_Random(r / 2, r);
    return s;
}

// A press that paints its first event as a drag does.
void start_and_paint(SceneObject* object, int32_t x, int32_t y, ScenePointOp paint) {
    object->active = 1;
    paint(object, x, y);
    tool_show_cursor(object);
}

void use_colour(BitmapRef picture, const ToolColour& c) {
    auto r = static_cast<uint32_t>(c.red);
    auto g = static_cast<uint32_t>(c.green);
    auto b = static_cast<uint32_t>(c.blue);
    tb_SetForeColor(picture, r, g, b);
    tb_SetBackColor(picture, r, g, b);
}

void play_one_of(std::span<const int16_t> sounds) {
    tb_PlaySoundNoStop(sounds[tb_Random(1, static_cast<int32_t>(sounds.size())) - 1]);
}

int32_t brighter(int32_t channel, int32_t ring, double step) {
    return std::min(tb_Round(channel + ring * step), kFull);
}

// One ball: filled in the colour, then rings ever smaller and brighter inside it. Small balls
// shrink by a pixel a ring; larger ones by a twentieth of their size (at least a pixel), each
// ring a pixel to the left so the light seems to come from there.
void paint_ball(BitmapRef picture, const ToolColour& c, int32_t cx, int32_t cy, int32_t diameter) {
    const int32_t half = diameter / 2;
    const Rect ball{cx - half, cy - half, cx + half, cy + half};
    const double red = c.red;
    const double green = c.green;
    const double blue = c.blue;
    double length = tb_Round(std::sqrt(red * red + green * green + blue * blue));
    if (length * 0.6 < kDarkLength) length = kFull;
    const double step = length * kRingStep;

    double inset = 1.0;
    Point shift{0, 0};
    if (diameter >= 10) {
        const double tenth = diameter / 10.0;
        inset = std::max(tenth / 2.0, 1.0);
        shift = Point{1, tenth / 4.0 < 1.0 ? 0 : tb_Round(tenth / 4.0)};
    }
    use_colour(picture, c);
    tb_PaintEllipse(picture, &ball);
    for (int32_t i = 1; i < diameter; ++i) {
        Rect ring = ball;
        // Insets only shrink the ring, so it never reaches beyond the ball: emptiness ends it.
        tb_InsetRect(&ring, tb_Round(i * inset), tb_Round(i * inset));
        if (ring.right <= ring.left || ring.bottom <= ring.top) break;
        tb_OffsetRect(&ring, -shift.x, -shift.y);
        use_colour(picture, ToolColour{brighter(c.red, i, step), brighter(c.green, i, step),
                                       brighter(c.blue, i, step)});
        tb_PaintEllipse(picture, &ring);
    }
}

void mirror_line(const SceneObject& o, Point c, Point a, Point b) {
    tb_Line(o.pictureBitmap, c.x + a.x, c.y + a.y, c.x + b.x, c.y + b.y, o.size);
}

// A copy of a splat's picture with its black recoloured, the mask beside it.
void load_splat(int32_t which, const ToolColour& c, BitmapRef* image, BitmapRef* mask) {
    Rect imageRect;
    Rect maskRect;
    *image = tb_CreateBitmap(&imageRect, kSplats[which].image, 24);
    *mask = tb_CreateBitmap(&maskRect, kSplats[which].mask, 8);
    if (*image < 0) return;
    // Pixel by pixel as a pixel put would write them (each channel limited, then divided), in
    // one pass over the rows: this runs at every event of a drag.
    auto eight = [](int32_t v) { return static_cast<uint8_t>(std::clamp(v, 0, kFull) / 255); };
    tb_SetColourWhereRed(tb_GetBitmapImage(*image), 0,
                         tb_MakeColor(eight(c.red), eight(c.green), eight(c.blue)));
}

// A new bitmap of side x side holding `source` scaled to it, or -1.
BitmapRef scaled_copy(BitmapRef source, int32_t side, int32_t depth) {
    Rect to{0, 0, side, side};
    BitmapRef copy = tb_CreateBitmap(&to, -1, depth);
    if (copy < 0) return -1;
    tb_ClearClipRect(copy);
    Rect from;
    tb_GetBitmapRect(source, &from);
    tb_CopyBitmap(source, copy, &from, &to, 0);
    return copy;
}

void dispose_all(std::initializer_list<BitmapRef> bitmaps) {
    for (BitmapRef b : bitmaps) {
        if (b >= 0) tb_DisposeBitmap(b);
    }
}

}  // namespace

void fancy_release(SceneObject* object, int32_t, int32_t) { object->active = 0; }

// ---------------------------------------------------------------------------------------------
// Ball brush

void ball_press(SceneObject* object, int32_t x, int32_t y) {
    start_and_paint(object, x, y, ball_drag);
}

void ball_drag(SceneObject* object, int32_t x, int32_t y) {
    const SceneObject& o = *object;
    if (o.active == 0) return;
    const Scatter ball = scatter(o, x, y);
    paint_ball(o.pictureBitmap, ball.colour, ball.centre.x, ball.centre.y, ball.size);
    play_one_of(kPops);
    tool_show_cursor(object);
}

// ---------------------------------------------------------------------------------------------
// Mirror brush

Point mirror_centre() { return g_mirrorCentre; }

void mirror_press(SceneObject* object, int32_t x, int32_t y) {
    SceneObject& o = *object;
    if (o.soundId != 0) tb_PlaySoundLoop(static_cast<int16_t>(o.soundId));
    tool_use_colour(&o, o.pictureBitmap);
    g_mirrorCentre = Point{x, y};
    o.lastX = x;
    o.lastY = y;
    if (o.size >= 1 && (o.mode == kTwoWay || o.mode == kFourWay)) {
        tb_Line(o.pictureBitmap, x, y, x, y, o.size);
    }
    o.active = 1;
    tool_show_cursor(&o);
}

void mirror_drag(SceneObject* object, int32_t x, int32_t y) {
    SceneObject& o = *object;
    if (o.active == 0) return;
    o.curX = x;
    o.curY = y;
    const Point c = g_mirrorCentre;
    const Point a{o.lastX - c.x, o.lastY - c.y};
    const Point b{x - c.x, y - c.y};
    tool_use_colour(&o, o.pictureBitmap);
    if (o.mode == kTwoWay || o.mode == kFourWay) {
        mirror_line(o, c, a, b);
        mirror_line(o, c, Point{-a.x, a.y}, Point{-b.x, b.y});
    }
    if (o.mode == kFourWay) {
        mirror_line(o, c, Point{a.x, -a.y}, Point{b.x, -b.y});
        mirror_line(o, c, Point{-a.x, -a.y}, Point{-b.x, -b.y});
    }
    o.lastX = x;
    o.lastY = y;
    tool_show_cursor(&o);
}

void mirror_release(SceneObject* object, int32_t x, int32_t y) {
    SceneObject& o = *object;
    o.lastX = x;
    o.curX = x;
    o.lastY = y;
    o.curY = y;
    g_mirrorCentre = Point{x, y};
    o.active = 0;
    tb_StopSound();
}

// ---------------------------------------------------------------------------------------------
// Star wand

void star_press(SceneObject* object, int32_t x, int32_t y) {
    tb_PlaySoundLoop(static_cast<int16_t>(object->soundId));
    start_and_paint(object, x, y, star_drag);
}

void star_drag(SceneObject* object, int32_t x, int32_t y) {
    const SceneObject& o = *object;
    if (o.active == 0) return;
    const Scatter star = scatter(o, x, y);
    const int32_t side = star.size;
    BitmapRef image = -1;
    BitmapRef mask = -1;
    make_star(side, star.colour, &image, &mask);
    if (image >= 0) {
        const Rect whole{0, 0, side, side};
        const Point c = star.centre;
        const Rect at{c.x - side / 2, c.y - side / 2, c.x + side / 2, c.y + side / 2};
        tb_CopyBitmapSprite(image, mask, o.pictureBitmap, &whole, &whole, &at);
    }
    dispose_all({image, mask});
    tool_show_cursor(object);
}

void star_release(SceneObject* object, int32_t, int32_t) {
    object->active = 0;
    tb_StopSound();
}

// ---------------------------------------------------------------------------------------------
// Needle and thread

void needle_press(SceneObject* object, int32_t x, int32_t y) {
    if (object->soundId != 0) tb_PlaySoundLoop(static_cast<int16_t>(object->soundId));
    start_and_paint(object, x, y, needle_drag);
}

void needle_drag(SceneObject* object, int32_t x, int32_t y) {
    const SceneObject& o = *object;
    if (o.active == 0) return;
    ToolColour c;  // black in any other mode
    if (o.mode == 0) c = tool_colour(o);
    if (o.mode == kRandomColourMode) c = random_colour();
    for (int32_t stitch = 0; stitch < 4; ++stitch) {
        use_colour(o.pictureBitmap, c);
        // The reach is size / 2 itself: a needle of size 1 stitches on the spot.
        const Point end = random_offset(0, o.size / 2);
        tb_Line(o.pictureBitmap, x, y, x + end.x, y + end.y, 2);
    }
    tool_show_cursor(object);
}

void needle_release(SceneObject* object, int32_t, int32_t) {
    if (object->active == 0) return;
    object->active = 0;
    tb_StopSound();
}

// ---------------------------------------------------------------------------------------------
// Splat gun

void splat_press(SceneObject* object, int32_t x, int32_t y) {
    start_and_paint(object, x, y, splat_drag);
}

void splat_drag(SceneObject* object, int32_t x, int32_t y) {
    const SceneObject& o = *object;
    if (o.active == 0) return;
    const ToolColour c = event_colour(o);
    const int32_t which = tb_Random(1, kSplatCount) - 1;
    BitmapRef image = -1;
    BitmapRef mask = -1;
    load_splat(which, c, &image, &mask);
    if (image >= 0 && mask >= 0 && o.size >= 1) {
        BitmapRef sizedImage = scaled_copy(image, o.size, 24);
        BitmapRef sizedMask = scaled_copy(mask, o.size, 8);
        if (sizedImage >= 0 && sizedMask >= 0) {
            const int32_t r = half_size(o);
            const Rect sized{0, 0, o.size, o.size};
            const Rect at{x - r, y - r, x + r, y + r};
            tb_CopyBitmapSprite(sizedImage, sizedMask, o.pictureBitmap, &sized, &sized, &at);
        }
        dispose_all({sizedImage, sizedMask});
    }
    dispose_all({image, mask});
    play_one_of(kSplashes);
    tool_show_cursor(object);
}

// ---------------------------------------------------------------------------------------------

void install_fancy_brushes(SceneObject* table) {
    set_stroke_operations(table[25], ball_press, ball_drag, fancy_release);
    set_stroke_operations(table[26], mirror_press, mirror_drag, mirror_release);
    set_stroke_operations(table[27], star_press, star_drag, star_release);
    set_stroke_operations(table[28], needle_press, needle_drag, needle_release);
    set_stroke_operations(table[29], splat_press, splat_drag, fancy_release);
    for (int32_t entry : {25, 27, 28}) {
        table[entry].drawOptions = colour_mode_panel_draw;
        table[entry].clickOptions = colour_mode_panel_click;
    }
    table[26].drawOptions = mirror_panel_draw;
    table[26].clickOptions = mirror_panel_click;
    table[29].drawOptions = splat_panel_draw;
    table[29].clickOptions = splat_panel_click;
}
