// Paintbrush, Eraser, Spray can, Paint pot and Colour dropper.
#include "tools/paint_tools.h"

#include <cmath>

#include "resources/resource_ids.h"
#include "tools/edge_fill.h"
#include "tools/filters.h"
#include "tools/random_rules.h"
#include "tools/scene_services.h"
#include "tools/tool_families.h"
#include "tools/tool_ops.h"

namespace {

constexpr double kPi = 3.14159265359;
constexpr int32_t kFull = 65025;  // full intensity of a colour component

// The five rectangles whose union approximates a disc, by their corner's angle in degrees.
constexpr double kDiscAngles[] = {80.0, 10.0, 62.5, 27.5, 45.0};

double radians(double degrees) { return degrees * kPi / 180.0; }

// One blob: the picture around (x, y) is copied into a work bitmap with a margin of 2, a small
// ellipse of the tool colour is painted in its middle, everything that came from the picture is
// blurred, and a disc of it goes back. Parts of the box outside the picture take the nearest
// picture pixels before the blur, so that a blob at the edge keeps its colour there instead of
// being darkened by the black beyond it; they are never copied back.
void paintbrush_dab(const SceneObject* object, int32_t x, int32_t y) {
    const int32_t r = tool_radius(object);
    const int32_t side = 2 * r + 4;
    const Rect box{x - r - 2, y - r - 2, x + r + 2, y + r + 2};
    Rect pictureRect;
    tb_GetBitmapRect(object->pictureBitmap, &pictureRect);
    Rect inside;
    const bool hasInside = tb_IntersectRect(&inside, &box, &pictureRect) != 0;
    tb_OffsetRect(&inside, -box.left, -box.top);

    Rect workRect{0, 0, side, side};
    BitmapRef work = tb_CreateBitmap(&workRect, -1, 24);
    if (work < 0) return;
    tb_CopyBitmap(object->pictureBitmap, work, &box, &workRect, 0);
    tool_use_colour(object, work);
    const Rect blob{8, 8, side - 8, side - 8};
    tb_PaintEllipse(work, &blob);
    if (hasInside) {
        fill_outside_with_nearest(work, inside);
        apply_named_filter(work, inside, NamedFilter::Blur5);
    }
    copy_work_disc(work, object->pictureBitmap, x, y, r - 1);
    tb_DisposeBitmap(work);
}

void erase_square(const SceneObject* object, int32_t x, int32_t y) {
    const int32_t r = tool_radius(object);
    tb_SetForeColor(object->pictureBitmap, kFull, kFull, kFull);
    tb_SetBackColor(object->pictureBitmap, kFull, kFull, kFull);
    const Rect square{x - r, y - r, x + r, y + r};
    tb_PaintRect(object->pictureBitmap, &square);
}

void spray(const SceneObject* object, int32_t x, int32_t y) {
    const int32_t r = tool_radius(object);
    for (int32_t i = 0; i < 2 * r; ++i) {
        const Point offset = random_offset(1, r);
        tb_PutPixel(object->pictureBitmap, x + offset.x, y + offset.y, object->red, object->green,
                    object->blue);
    }
}

}  // namespace

int32_t tool_radius(const SceneObject* object) {
    return object->size / 2 < 1 ? 1 : object->size / 2;
}

void copy_work_disc(BitmapRef work, BitmapRef picture, int32_t x, int32_t y, int32_t radius) {
    const int32_t cx = tb_GetBitmapWidth(work) / 2;
    const int32_t cy = tb_GetBitmapHeight(work) / 2;
    for (double angle : kDiscAngles) {
        const int32_t hw = tb_Round(radius * std::cos(radians(angle)));
        const int32_t hh = tb_Round(radius * std::sin(radians(angle)));
        const Rect from{cx - hw, cy - hh, cx + hw, cy + hh};
        const Rect to{x - hw, y - hh, x + hw, y + hh};
        tb_CopyBitmap(work, picture, &from, &to, 0);
    }
}

// ---------------------------------------------------------------------------------------------
// Paintbrush

void paintbrush_press(SceneObject* object, int32_t x, int32_t y) {
    if (object->soundId != 0) tb_PlaySoundLoop(static_cast<int16_t>(object->soundId));
    object->active = 1;
    paintbrush_dab(object, x, y);
    tool_show_cursor(object);
}

void paintbrush_drag(SceneObject* object, int32_t x, int32_t y) {
    if (object->active == 0) return;
    // Dabs are not joined: a quick stroke leaves separate blobs.
    paintbrush_dab(object, x, y);
    tool_show_cursor(object);
}

void paintbrush_release(SceneObject* object, int32_t, int32_t) {
    tb_StopSound();
    object->active = 0;
}

// ---------------------------------------------------------------------------------------------
// Eraser

void eraser_press(SceneObject* object, int32_t x, int32_t y) {
    erase_square(object, x, y);
    object->active = 1;
    tool_show_cursor(object);
}

void eraser_drag(SceneObject* object, int32_t x, int32_t y) {
    if (object->active == 0) return;
    tool_play_cue(object);
    erase_square(object, x, y);
    tool_show_cursor(object);
}

void eraser_release(SceneObject* object, int32_t, int32_t) { object->active = 0; }

// ---------------------------------------------------------------------------------------------
// Spray can

void spray_press(SceneObject* object, int32_t x, int32_t y) {
    tb_PlaySoundLoop(kSoundSpray);
    tool_use_colour(object, object->pictureBitmap);
    spray(object, x, y);
    object->active = 1;
    tool_show_cursor(object);
}

void spray_drag(SceneObject* object, int32_t x, int32_t y) {
    if (object->active == 0) return;
    tool_use_colour(object, object->pictureBitmap);
    spray(object, x, y);
    tool_show_cursor(object);
}

void spray_release(SceneObject* object, int32_t, int32_t) {
    object->active = 0;
    tb_StopSound();
}

// ---------------------------------------------------------------------------------------------
// Paint pot

void paint_pot_press(SceneObject* object, int32_t x, int32_t y) {
    tool_play_cue(object);
    int32_t red = 0, green = 0, blue = 0;
    tb_GetPixel(object->pictureBitmap, x, y, &red, &green, &blue);
    tool_use_colour(object, object->pictureBitmap);
    tb_FloodFill(object->pictureBitmap, x, y, static_cast<uint32_t>(red),
                 static_cast<uint32_t>(green), static_cast<uint32_t>(blue));
    object->active = 1;
    tool_show_cursor(object);
}

void paint_pot_drag(SceneObject*, int32_t, int32_t) {}

void paint_pot_release(SceneObject* object, int32_t, int32_t) { object->active = 0; }

// ---------------------------------------------------------------------------------------------
// Colour dropper

void dropper_pick(SceneObject* object, int32_t x, int32_t y) {
    tool_play_cue(object);
    int32_t red = 0, green = 0, blue = 0;
    tb_GetPixel(object->pictureBitmap, x, y, &red, &green, &blue);  // black outside
    g_sceneServices.showColour(red, green, blue, true);
}

void dropper_release(SceneObject*, int32_t, int32_t) {}

// ---------------------------------------------------------------------------------------------

void install_paint_tools(SceneObject* table) {
    set_stroke_operations(table[1], paintbrush_press, paintbrush_drag, paintbrush_release);
    set_stroke_operations(table[2], eraser_press, eraser_drag, eraser_release);
    set_stroke_operations(table[3], spray_press, spray_drag, spray_release);
    set_stroke_operations(table[6], paint_pot_press, paint_pot_drag, paint_pot_release);
    set_stroke_operations(table[7], dropper_pick, dropper_pick, dropper_release);
}
