// The small pictures on the panels: speaker and magnifier, the hover label, the shelf marker
// and the button highlights.
#include "resources/resource_ids.h"
#include "scene/art.h"
#include "scene/scene_draw.h"
#include "scene/scene_parts.h"
#include "scene/scene_table.h"
#include "shell/preferences.h"

namespace {

// Redraws the table under a small picture, then the picture over it.
void draw_on_table(const Rect& at, const Rect& tablePart, int32_t imageId) {
    art_draw_part(g_backBuffer, kBitmapTableBand, tablePart, at);
    art_draw(g_backBuffer, imageId, at.left, at.top);
}

WindowRef main_window() { return tb_GetMainWindow(); }

}  // namespace

void scene_draw_speaker() {
    draw_on_table(g_layout.speaker, Rect{618, 75, 634, 96},
                  g_prefs.soundOn != 0 ? kBitmapSpeakerOn : kBitmapSpeakerOff);
}

void scene_draw_magnifier() {
    draw_on_table(g_layout.magnifier, Rect{590, 75, 612, 96},
                  g_zoomed != 0 ? kBitmapMagnifierOn : kBitmapMagnifierOff);
}

void scene_draw_blank_label() {
    art_draw(g_backBuffer, kBitmapLabelBlank, g_layout.labelStrip.left, g_layout.labelStrip.top);
    g_shownLabel = 0;
}

void scene_show_label(int32_t id) {
    if (id == g_shownLabel) return;
    scene_draw_blank_label();
    if (id != 0) art_draw(g_backBuffer, id, g_layout.labelStrip.left, g_layout.labelStrip.top);
    scene_show_rect(g_layout.labelStrip);
    g_shownLabel = id;
}

void scene_draw_shelf_marker(TargetRef target) {
    Rect button = scene_button_rect(scene_shelf_button(g_currentShelf));
    if (button.right == 0) return;
    const ResourceSize marker = kBitmapShelfMarkerSize;
    art_draw_cut_out(target, kBitmapShelfMarker, kMaskShelfMarker,
                     Rect{button.right - marker.width, button.bottom - marker.height, button.right,
                          button.bottom});
}

void scene_draw_button_highlight(int32_t button) {
    Rect at = scene_button_highlight_rect(button);
    int32_t id = scene_button_highlight_bitmap(button);
    if (id == -1) return;
    art_draw(main_window(), id, at.left, at.top);
}

void scene_remove_button_highlight(int32_t button) {
    Rect at = scene_button_highlight_rect(button);
    if (at.right == 0) return;
    tb_CopyBitmap(g_backBuffer, main_window(), &at, &at, 0);
}
