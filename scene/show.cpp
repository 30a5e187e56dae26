// Bringing the screen up to date from the back buffer: the picture (plain or zoomed) goes into
// the back buffer first, then only the changed rectangle is copied to the window.
#include <algorithm>

#include "scene/scene.h"
#include "scene/scene_draw.h"

namespace {

WindowRef main_window() { return tb_GetMainWindow(); }

}  // namespace

void scene_draw_picture() {
    if (g_backBuffer == -1 || g_pictureBitmap == -1) return;
    const int32_t pw = scene_picture_width();
    const int32_t ph = scene_picture_height();
    if (g_zoomed != 0) {
        Rect from{g_zoomOriginX, g_zoomOriginY, g_zoomOriginX + pw / 2, g_zoomOriginY + ph / 2};
        tb_CopyBitmap(g_pictureBitmap, g_backBuffer, &from, &g_layout.picture, 0);
    } else {
        Rect from{0, 0, pw, ph};
        tb_CopyBitmap(g_pictureBitmap, g_backBuffer, &from, &g_layout.picture, 0);
    }
}

void scene_show_rect(const Rect& r) {
    if (g_backBuffer == -1) return;
    if (g_zoomed != 0) {
        scene_draw_picture();
    } else {
        Rect inside;
        if (tb_IntersectRect(&inside, &r, &g_layout.picture) != 0) {
            Rect from = inside;
            tb_OffsetRect(&from, -g_layout.picture.left, -g_layout.picture.top);
            tb_CopyBitmap(g_pictureBitmap, g_backBuffer, &from, &inside, 0);
        }
    }
    Rect screen{0, 0, g_layout.width, g_layout.height};
    Rect shown;
    if (tb_IntersectRect(&shown, &r, &screen) == 0) return;
    tb_CopyBitmap(g_backBuffer, main_window(), &shown, &shown, 0);
}

void scene_show_picture_area() { scene_show_rect(g_layout.picture); }

void scene_repaint_all() {
    if (g_backBuffer == -1) return;
    scene_draw_picture();
    Rect all{0, 0, g_layout.width, g_layout.height};
    tb_CopyBitmap(g_backBuffer, main_window(), &all, &all, 0);
}

void scene_compose_picture() {
    scene_draw_picture();
    if (g_backBuffer == -1) return;
    tb_CopyBitmap(g_backBuffer, main_window(), &g_layout.picture, &g_layout.picture, 0);
}

void scene_save_undo() {
    Rect all{0, 0, scene_picture_width(), scene_picture_height()};
    tb_CopyBitmap(g_pictureBitmap, g_undoBitmap, &all, &all, 0);
    g_undoAvailable = 1;
}

void scene_undo() {
    Rect all{0, 0, scene_picture_width(), scene_picture_height()};
    tb_CopyBitmap(g_undoBitmap, g_pictureBitmap, &all, &all, 0);
    g_undoAvailable = 0;
    scene_repaint_all();
}

void scene_clip_to_picture() { tb_SetClipRect(g_backBuffer, &g_layout.picture); }
void scene_unclip() { tb_ClearClipRect(g_backBuffer); }

Point scene_window_to_picture(int32_t x, int32_t y) {
    const Rect& p = g_layout.picture;
    if (g_zoomed == 0) return Point{x - p.left, y - p.top};
    return Point{(x - p.left) / 2 + g_zoomOriginX, (y - p.top) / 2 + g_zoomOriginY};
}

Point scene_picture_to_window(int32_t x, int32_t y) {
    const Rect& p = g_layout.picture;
    if (g_zoomed == 0) return Point{x + p.left, y + p.top};
    return Point{(x - g_zoomOriginX) * 2 + p.left, (y - g_zoomOriginY) * 2 + p.top};
}

Point scene_zoom_origin_for(int32_t x, int32_t y) {
    const int32_t pw = scene_picture_width();
    const int32_t ph = scene_picture_height();
    int32_t ox = (x - g_layout.picture.left) - (pw / 2) / 2;
    int32_t oy = (y - g_layout.picture.top) - (ph / 2) / 2;
    return Point{std::clamp(ox, 0, pw - pw / 2), std::clamp(oy, 0, ph - ph / 2)};
}
