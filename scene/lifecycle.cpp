// The scene's lifetime: start-up builds the bitmaps, the table and the first composition; a
// display-size change rebuilds everything for the new size with the picture scaled into it;
// shutdown releases it all.
#include <algorithm>
#include <cstring>
#include <iterator>

#include "scene/scene.h"
#include "scene/scene_draw.h"
#include "scene/scene_parts.h"
#include "scene/scene_table.h"

namespace {

BitmapRef create_white_bitmap(int32_t width, int32_t height) {
    Rect r{0, 0, width, height};
    BitmapRef b = tb_CreateBitmap(&r, 0, 24);
    if (b == -1) return b;
    tb_SetForeColor(b, 65025, 65025, 65025);
    tb_PaintRect(b, &r);
    return b;
}

void dispose(BitmapRef& bitmap) {
    if (bitmap != -1) tb_DisposeBitmap(bitmap);
    bitmap = -1;
}

// The back buffer (picture area white), the picture and the undo bitmap for the layout.
void create_bitmaps() {
    Rect all{0, 0, g_layout.width, g_layout.height};
    g_backBuffer = tb_CreateBitmap(&all, 0, 24);
    if (g_backBuffer != -1) {
        tb_SetForeColor(g_backBuffer, 65025, 65025, 65025);
        tb_PaintRect(g_backBuffer, &g_layout.picture);
    }
    const int32_t pw = scene_picture_width();
    const int32_t ph = scene_picture_height();
    g_undoBitmap = create_white_bitmap(pw, ph);
    g_pictureBitmap = create_white_bitmap(pw, ph);
    if (g_pictureBitmap != -1) {
        Rect picture{0, 0, pw, ph};
        tb_SetClipRect(g_pictureBitmap, &picture);
        if (g_undoBitmap != -1) tb_SetSnapshotBitmap(g_pictureBitmap, g_undoBitmap);
    }
}

void dispose_bitmaps() {
    dispose(g_backBuffer);
    dispose(g_undoBitmap);
    dispose(g_pictureBitmap);
}

// A zoomed view stays zoomed across a rebuild, on the same part of the smaller or larger
// picture as far as it still fits.
void keep_zoom_inside() {
    const int32_t pw = scene_picture_width();
    const int32_t ph = scene_picture_height();
    g_zoomOriginX = std::clamp(g_zoomOriginX, 0, std::max(0, pw - pw / 2));
    g_zoomOriginY = std::clamp(g_zoomOriginY, 0, std::max(0, ph - ph / 2));
}

}  // namespace

void scene_startup(int32_t width, int32_t height) {
    g_sceneServices.showColour = scene_show_colour;
    g_layout = scene_layout_for(width, height);
    std::fill(std::begin(g_buttonHighlighted), std::end(g_buttonHighlighted), 0);
    scene_reset_colour_table();
    g_currentColour = SceneColour{65025, 0, 0};
    g_currentShelf = 0;
    g_currentObject = 0;
    create_bitmaps();
    scene_build_table();
    scene_compose(true, true, true);
    std::strcpy(g_pictureFileName, "Tintamar.bmp");
    // A folder too long for the buffer is not cut into another folder's name: the commands
    // then find no home folder and say so.
    const auto room = static_cast<int32_t>(sizeof g_homeFolder);
    if (tb_GetCurrentDirectory(room, g_homeFolder) >= room) g_homeFolder[0] = 0;
}

void scene_rebuild(int32_t width, int32_t height) {
    const int32_t oldWidth = scene_picture_width();
    const int32_t oldHeight = scene_picture_height();
    Rect old{0, 0, oldWidth, oldHeight};
    BitmapRef kept = tb_CreateBitmap(&old, 0, 24);
    if (kept != -1) tb_CopyBitmap(g_pictureBitmap, kept, &old, &old, 0);

    dispose_bitmaps();
    scene_release_table();
    g_layout = scene_layout_for(width, height);
    keep_zoom_inside();
    create_bitmaps();
    scene_build_table();
    scene_compose(true, true, true);
    if (kept != -1) {
        Rect picture{0, 0, scene_picture_width(), scene_picture_height()};
        tb_CopyBitmap(kept, g_pictureBitmap, &old, &picture, 0);
    }
    scene_save_undo();
    scene_repaint_all();
    if (kept != -1) tb_DisposeBitmap(kept);
}

void scene_release() {
    dispose_bitmaps();
    dispose(g_floatingImage);
    dispose(g_floatingMask);
    dispose(g_stampImage);
    dispose(g_stampMask);
    scene_release_saved_tray();
    scene_release_table();
}
