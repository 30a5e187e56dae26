// The full composition of the room into the back buffer, in nine steps: wall and frame, left
// panel, table band, saved tray, pots, shelf marker, the tools of the shelf with the options
// panel and the selection marker, swatch, speaker and magnifier; then, when asked, the screen.
#include "resources/resource_ids.h"
#include "scene/art.h"
#include "scene/frame.h"
#include "scene/scene.h"
#include "scene/scene_draw.h"
#include "scene/scene_parts.h"
#include "scene/scene_table.h"

namespace {

// The part of the table band left of the pots, redrawn when the pots keep their look.
constexpr int32_t kTableWithoutPots = 475;
constexpr int32_t kBandHeight = kBitmapTableBandSize.height;

BitmapRef g_savedTray = -1;

void draw_wall_and_frame() {
    const int32_t w = g_layout.width;
    const int32_t h = g_layout.height;
    Rect tile;
    BitmapRef wall = tb_CreateBitmap(&tile, kBitmapWallpaper, 24);
    if (wall != -1 && tile.right > 0 && tile.bottom > 0) {
        for (int32_t y = 0; y < h; y += tile.bottom) {
            for (int32_t x = 0; x < w; x += tile.right) {
                Rect to{x, y, x + tile.right, y + tile.bottom};
                tb_CopyBitmap(wall, g_backBuffer, &tile, &to, 0);
            }
        }
    }
    if (wall != -1) tb_DisposeBitmap(wall);

    // Pieces come in runs of the same bitmap: load each run once.
    std::vector<FramePiece> pieces = scene_frame_pieces(w, h);
    BitmapRef loaded = -1;
    int32_t loadedId = -1;
    Rect size;
    for (const FramePiece& p : pieces) {
        if (p.bitmapId != loadedId) {
            if (loaded != -1) tb_DisposeBitmap(loaded);
            loaded = tb_CreateBitmap(&size, p.bitmapId, 24);
            loadedId = p.bitmapId;
        }
        if (loaded != -1) tb_CopyBitmap(loaded, g_backBuffer, &size, &p.rect, 0);
    }
    if (loaded != -1) tb_DisposeBitmap(loaded);

    tb_SetForeColor(g_backBuffer, 65025, 65025, 65025);
    tb_PaintRect(g_backBuffer, &g_layout.picture);
}

void draw_table_band(bool pots) {
    const int32_t top = g_layout.height - kBandHeight;
    if (pots) {
        // The whole band is drawn afresh: the label strip shows no label now.
        art_draw_cut_out(g_backBuffer, kBitmapTableBand, kMaskTableBand,
                         Rect{0, top, kBitmapTableBandSize.width, top + kBandHeight});
        g_shownLabel = 0;
        return;
    }
    Rect image;
    Rect mask;
    BitmapRef art = tb_CreateBitmap(&image, kBitmapTableBand, 24);
    BitmapRef cut = tb_CreateBitmap(&mask, kMaskTableBand, 8);
    if (art != -1 && cut != -1) {
        Rect part{0, 0, kTableWithoutPots, kBandHeight};
        Rect to{0, top, kTableWithoutPots, top + kBandHeight};
        tb_CopyBitmapSprite(art, cut, g_backBuffer, &part, &part, &to);
    }
    if (art != -1) tb_DisposeBitmap(art);
    if (cut != -1) tb_DisposeBitmap(cut);
    scene_draw_blank_label();
}

void save_tray() {
    const Rect& tray = g_layout.tray;
    Rect r{0, 0, tray.right - tray.left, tray.bottom - tray.top};
    if (g_savedTray == -1) g_savedTray = tb_CreateBitmap(&r, 0, 24);
    if (g_savedTray == -1) return;
    tb_CopyBitmap(g_backBuffer, g_savedTray, &tray, &r, 0);
}

void draw_tray() {
    const Rect& tray = g_layout.tray;
    if (g_savedTray != -1) {
        Rect r{0, 0, tray.right - tray.left, tray.bottom - tray.top};
        tb_CopyBitmap(g_savedTray, g_backBuffer, &r, &tray, 0);
    }
    for (SceneObject& o : g_sceneObjects) {
        if (o.shelf == g_currentShelf && o.drawObject != nullptr) o.drawObject(&o);
    }
    SceneObject& current = g_sceneObjects[g_currentObject];
    if (current.drawOptions != nullptr) current.drawOptions(&current, &g_layout.optionsPanel);
    if (current.shelf == g_currentShelf) {
        const Rect& hot = current.hotRect;
        int32_t cx = (hot.left + hot.right) / 2;
        int32_t cy = (hot.top + hot.bottom) / 2;
        const ResourceSize marker = kBitmapSelectionMarkerSize;
        art_draw_cut_out(g_backBuffer, kBitmapSelectionMarker, kMaskSelectionMarker,
                         Rect{cx, cy - marker.height, cx + marker.width, cy});
    }
}

}  // namespace

void scene_compose(bool present, bool frame, bool pots) {
    if (g_backBuffer == -1) return;
    if (frame) draw_wall_and_frame();
    art_draw_cut_out(g_backBuffer, kBitmapLeftPanel, kMaskLeftPanel,
                     Rect{0, g_layout.height - kBitmapLeftPanelSize.height,
                          kBitmapLeftPanelSize.width, g_layout.height});
    draw_table_band(pots);
    if (frame) save_tray();
    if (pots) {
        for (int32_t i = 0; i < kPotCount; ++i) {
            const SceneColour& c = g_potColours[i];
            scene_set_pot(i, c.red, c.green, c.blue, false);
        }
    }
    scene_draw_shelf_marker(g_backBuffer);
    draw_tray();
    scene_show_colour(g_currentColour.red, g_currentColour.green, g_currentColour.blue, false);
    scene_draw_speaker();
    scene_draw_magnifier();
    if (present) scene_repaint_all();
}

void scene_compose_panels() { scene_compose(false, false, false); }

void scene_release_saved_tray() {
    if (g_savedTray != -1) tb_DisposeBitmap(g_savedTray);
    g_savedTray = -1;
}
