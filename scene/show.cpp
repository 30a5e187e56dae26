// Whole-window repaints, undo, keeping the window in step with the picture, and the clip that
// keeps a tool's drawing into the back buffer inside the picture area. Showing single
// rectangles is tools/scene_services.cpp's.
#include <algorithm>

#include "scene/scene.h"
#include "scene/scene_draw.h"

namespace {

// Window rectangles that may not show what the back buffer and the picture hold: within the
// picture area, and the bounds of the rest (window coordinates; empty = none).
Rect g_outOfStepInPicture;
Rect g_outOfStepBeside;

bool empty(const Rect& r) { return r.left >= r.right || r.top >= r.bottom; }

Rect bounds(const Rect& a, const Rect& b) {
    if (empty(a)) return b;
    if (empty(b)) return a;
    return Rect{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                std::max(a.bottom, b.bottom)};
}

void forget_picture_changes() {
    if (g_pictureBitmap != -1) tb_ResetTouchedRect(g_pictureBitmap);
    g_outOfStepInPicture = Rect{};
}

}  // namespace

void scene_repaint_all() {
    if (g_backBuffer == -1) return;
    scene_draw_picture();
    Rect all{0, 0, g_layout.width, g_layout.height};
    tb_CopyBitmap(g_backBuffer, tb_GetMainWindow(), &all, &all, 0);
    forget_picture_changes();
    g_outOfStepBeside = Rect{};
}

void scene_compose_picture() {
    scene_draw_picture();
    if (g_backBuffer == -1) return;
    tb_CopyBitmap(g_backBuffer, tb_GetMainWindow(), &g_layout.picture, &g_layout.picture, 0);
    forget_picture_changes();
}

void scene_note_out_of_step(const Rect& r, bool beside) {
    Rect in;
    if (tb_IntersectRect(&in, &r, &g_layout.picture) != 0) {
        g_outOfStepInPicture = bounds(g_outOfStepInPicture, in);
    }
    if (beside &&
        (in.left != r.left || in.top != r.top || in.right != r.right || in.bottom != r.bottom)) {
        g_outOfStepBeside = bounds(g_outOfStepBeside, r);
    }
}

void scene_defer_picture_changes() {
    if (g_pictureBitmap == -1) return;
    Rect touched;
    tb_GetTouchedRect(g_pictureBitmap, &touched);
    tb_ResetTouchedRect(g_pictureBitmap);
    scene_note_out_of_step(scene_picture_rect_to_window(touched), false);
}

void scene_show_picture_changes(bool everywhere) {
    if (g_pictureBitmap == -1) return;
    Rect touched;
    tb_GetTouchedRect(g_pictureBitmap, &touched);
    const Rect shown = bounds(scene_picture_rect_to_window(touched), g_outOfStepInPicture);
    forget_picture_changes();
    if (!empty(shown)) scene_show_rect(shown);
    if (everywhere && !empty(g_outOfStepBeside)) {
        scene_show_rect(g_outOfStepBeside);
        g_outOfStepBeside = Rect{};
    }
}

void scene_save_undo() {
    if (g_pictureBitmap == -1 || g_undoBitmap == -1) return;
    tb_TakeSnapshot(g_pictureBitmap);
    g_undoAvailable = 1;
}

void scene_undo() {
    if (g_pictureBitmap == -1 || g_undoBitmap == -1) return;
    Rect restored;
    tb_RestoreSnapshot(g_pictureBitmap, &restored);
    g_undoAvailable = 0;
    // The window ends as a full repaint would leave it: the picture, everything out of step, and
    // the lit buttons, which only the window shows.
    scene_show_picture_changes(true);
    for (int32_t b = 0; b < kButtonCount; ++b) {
        if (g_buttonHighlighted[b] != 0) scene_remove_button_highlight(b);
    }
}

void scene_clip_to_picture() { tb_SetClipRect(g_backBuffer, &g_layout.picture); }
void scene_unclip() { tb_ClearClipRect(g_backBuffer); }

Point scene_zoom_origin_for(int32_t x, int32_t y) {
    const int32_t pw = scene_picture_width();
    const int32_t ph = scene_picture_height();
    int32_t ox = (x - g_layout.picture.left) - (pw / 2) / 2;
    int32_t oy = (y - g_layout.picture.top) - (ph / 2) / 2;
    return Point{std::clamp(ox, 0, pw - pw / 2), std::clamp(oy, 0, ph - ph / 2)};
}
