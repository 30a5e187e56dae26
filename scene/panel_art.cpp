// The small pictures on the panels: speaker and magnifier, the hover label, the shelf marker
// and the button highlights.
#include "scene/art.h"
#include "scene/scene_draw.h"
#include "scene/scene_object.h"
#include "scene/scene_parts.h"
#include "shell/preferences.h"

namespace {

constexpr int32_t kTableArt = 101;
constexpr int32_t kSpeakerOn = 600;
constexpr int32_t kSpeakerOff = 601;
constexpr int32_t kMagnifierOff = 602;
constexpr int32_t kMagnifierOn = 603;
constexpr int32_t kBlankLabel = 700;
constexpr int32_t kShelfMarker = 173;
constexpr int32_t kShelfMarkerMask = 175;

// Redraws the table under a small picture, then the picture over it.
void draw_on_table(const Rect& at, const Rect& tablePart, int32_t imageId) {
    art_draw_part(g_backBuffer, kTableArt, tablePart, at);
    art_draw(g_backBuffer, imageId, at.left, at.top);
}

WindowRef main_window() { return tb_GetMainWindow(); }

}  // namespace

void scene_draw_speaker() {
    draw_on_table(g_layout.speaker, Rect{618, 75, 634, 96},
                  g_prefs.soundOn != 0 ? kSpeakerOn : kSpeakerOff);
}

void scene_draw_magnifier() {
    draw_on_table(g_layout.magnifier, Rect{590, 75, 612, 96},
                  g_zoomed != 0 ? kMagnifierOn : kMagnifierOff);
}

void scene_draw_blank_label() {
    art_draw(g_backBuffer, kBlankLabel, g_layout.labelStrip.left, g_layout.labelStrip.top);
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
    art_draw_cut_out(target, kShelfMarker, kShelfMarkerMask,
                     Rect{button.right - 24, button.bottom - 20, button.right, button.bottom});
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
