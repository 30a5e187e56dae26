// Whole-window repaints, undo, and the clip that keeps a tool's drawing into the back buffer
// inside the picture area. Showing single rectangles is tools/scene_services.cpp's.
#include <algorithm>

#include "scene/scene.h"
#include "scene/scene_draw.h"

void scene_repaint_all() {
    if (g_backBuffer == -1) return;
    scene_draw_picture();
    Rect all{0, 0, g_layout.width, g_layout.height};
    tb_CopyBitmap(g_backBuffer, tb_GetMainWindow(), &all, &all, 0);
}

void scene_compose_picture() {
    scene_draw_picture();
    if (g_backBuffer == -1) return;
    tb_CopyBitmap(g_backBuffer, tb_GetMainWindow(), &g_layout.picture, &g_layout.picture, 0);
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

Point scene_zoom_origin_for(int32_t x, int32_t y) {
    const int32_t pw = scene_picture_width();
    const int32_t ph = scene_picture_height();
    int32_t ox = (x - g_layout.picture.left) - (pw / 2) / 2;
    int32_t oy = (y - g_layout.picture.top) - (ph / 2) / 2;
    return Point{std::clamp(ox, 0, pw - pw / 2), std::clamp(oy, 0, ph - ph / 2)};
}
