// Ruler and Shape template: rubber band on the window, commit into the picture at release.
#include "tools/ruler_shapes.h"

#include <algorithm>

#include "tools/scene_services.h"
#include "tools/tool_families.h"
#include "tools/tool_ops.h"

namespace {

constexpr int32_t kFull = 65025;

// Panel pixels of the shape chooser's figures, in mode order.
constexpr Rect kShapeCells[4] = {
    {8, 3, 43, 39}, {49, 3, 84, 39}, {8, 42, 43, 78}, {49, 42, 84, 78}};
// The two upper figures take clicks 2 pixels further left and right.
constexpr int32_t kUpperClickWidening = 2;
constexpr int32_t kPanelWidth = 94;
constexpr int32_t kPanelHeight = 82;

Rect spanned(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    return Rect{std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
}

// Moves the band's far end to (x, y) and wipes the band drawn so far: the window gets the back
// buffer back over both the old and the new band's rectangles, grown by the pen margin. The
// union is taken as plain bounds, so a flat (zero-height or zero-width) band is wiped too.
void wipe_band(SceneObject* object, int32_t x, int32_t y) {
    const Rect old = spanned(object->lastX, object->lastY, object->curX, object->curY);
    object->curX = x;
    object->curY = y;
    const Rect now = spanned(object->lastX, object->lastY, x, y);
    const int32_t margin = object->size * (g_zoomed != 0 ? 2 : 1);
    const Rect area{std::min(old.left, now.left) - margin, std::min(old.top, now.top) - margin,
                    std::max(old.right, now.right) + margin,
                    std::max(old.bottom, now.bottom) + margin};
    tb_CopyBitmap(object->sceneBitmap, object->auxHandle, &area, &area, 0);
}

// The rectangle spanned by the press point and (x, y), both window points, in picture pixels.
Rect picture_rect(const SceneObject* object, int32_t x, int32_t y) {
    const Rect window = spanned(object->lastX, object->lastY, x, y);
    const Point topLeft = scene_window_to_picture(window.left, window.top);
    const Point bottomRight = scene_window_to_picture(window.right, window.bottom);
    return Rect{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}

}  // namespace

void draw_shape(TargetRef target, int32_t mode, const Rect& rect) {
    if (rect.right <= rect.left || rect.bottom <= rect.top) return;
    switch (mode) {
        case SHAPE_ELLIPSE_OUTLINE:
            tb_FrameEllipse(target, &rect);
            break;
        case SHAPE_ELLIPSE_FILLED:
            tb_PaintEllipse(target, &rect);
            break;
        case SHAPE_RECT_OUTLINE:
            tb_FrameRect(target, &rect);
            break;
        case SHAPE_RECT_FILLED:
            tb_PaintRect(target, &rect);
            break;
        default:
            break;
    }
}

// ---------------------------------------------------------------------------------------------
// Ruler

void ruler_press(SceneObject* object, int32_t x, int32_t y) {
    object->lastX = x;
    object->lastY = y;
    object->active = 1;
    tool_show_cursor(object);
}

void ruler_drag(SceneObject* object, int32_t x, int32_t y) {
    if (object->active == 0) return;
    wipe_band(object, x, y);
    tool_use_colour(object, object->auxHandle);
    // The window shows the picture at twice its size while zoomed, so the band is twice as wide.
    tb_Line(object->auxHandle, object->lastX, object->lastY, x, y,
            object->size * (g_zoomed != 0 ? 2 : 1));
    tool_show_cursor(object);
}

void ruler_release(SceneObject* object, int32_t x, int32_t y) {
    if (object->active == 0) return;
    tool_play_cue(object);
    tool_use_colour(object, object->pictureBitmap);
    object->curX = x;
    object->curY = y;
    const Point from = scene_window_to_picture(object->lastX, object->lastY);
    const Point to = scene_window_to_picture(x, y);
    tb_Line(object->pictureBitmap, from.x, from.y, to.x, to.y, object->size);
    object->active = 0;
}

// ---------------------------------------------------------------------------------------------
// Shape template

void shape_press(SceneObject* object, int32_t x, int32_t y) {
    tool_play_cue(object);
    object->lastX = x;
    object->lastY = y;
    object->active = 1;
    tool_show_cursor(object);
}

void shape_drag(SceneObject* object, int32_t x, int32_t y) {
    if (object->active == 0) return;
    wipe_band(object, x, y);
    tool_use_colour(object, object->auxHandle);
    draw_shape(object->auxHandle, object->mode, spanned(object->lastX, object->lastY, x, y));
    tool_show_cursor(object);
}

void shape_release(SceneObject* object, int32_t x, int32_t y) {
    if (object->active == 0) return;
    tb_StopSound();
    tool_use_colour(object, object->pictureBitmap);
    object->curX = x;
    object->curY = y;
    draw_shape(object->pictureBitmap, object->mode, picture_rect(object, x, y));
    object->active = 0;
}

void shape_chooser_draw(SceneObject* object, const Rect* panel) {
    Rect panelRect{0, 0, kPanelWidth, kPanelHeight};
    BitmapRef face = tb_CreateBitmap(&panelRect, -1, 24);
    if (face < 0) return;
    tb_SetForeColor(face, kFull, kFull, kFull);
    tb_PaintRect(face, &panelRect);
    for (int32_t mode = 0; mode < 4; ++mode) {
        if (mode == object->mode) {
            tb_SetForeColor(face, 0, kFull, 0);
        } else {
            tb_SetForeColor(face, 0, 0, 0);
        }
        draw_shape(face, mode, kShapeCells[mode]);
    }
    tb_CopyBitmap(face, object->sceneBitmap, &panelRect, panel, 0);
    tb_DisposeBitmap(face);
}

void shape_chooser_click(SceneObject* object, int32_t x, int32_t y, const Rect* panel) {
    const int32_t px = x - panel->left;
    const int32_t py = y - panel->top;
    for (int32_t mode = 0; mode < 4; ++mode) {
        Rect hit = kShapeCells[mode];
        if (mode == SHAPE_ELLIPSE_OUTLINE || mode == SHAPE_ELLIPSE_FILLED) {
            tb_InsetRect(&hit, -kUpperClickWidening, 0);
        }
        if (tb_PtInRect(px, py, &hit) != 0) {
            object->mode = mode;
            return;
        }
    }
}

void install_ruler_shapes(SceneObject* table) {
    set_stroke_operations(table[4], ruler_press, ruler_drag, ruler_release);
    set_stroke_operations(table[5], shape_press, shape_drag, shape_release);
    table[5].drawOptions = shape_chooser_draw;
    table[5].clickOptions = shape_chooser_click;
}
