// The screen layout: everything is placed from the window's client size. The left panel hangs
// from the bottom (D = H - 480), the table band lies along the bottom, and the picture takes
// what is left.
#include "scene/layout.h"

#include "resources/resource_ids.h"

namespace {

// Rectangles of the bottom band, as offsets from the bottom edge: (left, H - top, right,
// H - bottom) is stored as {left, top, right, bottom}.
struct BottomRect {
    int32_t left, top, right, bottom;
};

Rect from_bottom(const BottomRect& r, int32_t height) {
    return Rect{r.left, height - r.top, r.right, height - r.bottom};
}

constexpr BottomRect kPotRects[kPotCount] = {
    {476, 94, 511, 84}, {512, 96, 547, 87}, {552, 93, 588, 84}, {512, 87, 550, 79},
    {554, 84, 592, 76}, {491, 80, 529, 71}, {533, 76, 572, 66}, {575, 76, 616, 66},
};

// Pots 1, 3 and 4 have no extra rectangle (all zero).
constexpr BottomRect kPotExtraRects[kPotCount] = {
    {476, 82, 492, 47}, {0, 0, 0, 0},       {552, 96, 588, 84}, {0, 0, 0, 0},
    {0, 0, 0, 0},       {493, 81, 528, 42}, {534, 76, 571, 28}, {576, 76, 615, 27},
};

// Buttons hang either from the left panel's art (top given as D + value) or from the bottom.
struct ButtonPlace {
    bool fromBottom;
    Rect rect;  // D-relative (top/bottom added to D) or H-minus values
    int32_t highlightBitmap;
    Rect highlight;
};

constexpr ButtonPlace kButtons[kButtonCount] = {
    {false, {0, 69, 58, 124}, kBitmapHighlightTextureShelf, {0, 10, 111, 135}},
    {false, {59, 34, 101, 124}, kBitmapHighlightStampShelf, {0, 10, 111, 135}},
    {false, {0, 172, 51, 245}, kBitmapHighlightEverydayShelf, {0, 132, 111, 257}},
    {false, {55, 187, 101, 245}, kBitmapHighlightEffectsShelf, {0, 132, 111, 257}},
    {false, {0, 285, 48, 325}, kBitmapHighlightPrint, {0, 246, 111, 337}},
    {false, {50, 261, 104, 326}, kBitmapHighlightFancyShelf, {0, 246, 111, 337}},
    {false, {21, 426, 123, 456}, kBitmapHighlightText, {5, 420, 138, 467}},
    {false, {127, 344, 146, 418}, kBitmapHighlightUndo, {124, 341, 147, 433}},
    {true, {137, 55, 176, 24}, kBitmapHighlightRemote, {131, 60, 181, 17}},
    {true, {483, 41, 538, 20}, kBitmapHighlightMixer, {483, 41, 538, 20}},
};

Rect place_button_rect(bool fromBottom, const Rect& r) {
    int32_t h = g_layout.height;
    if (fromBottom) return Rect{r.left, h - r.top, r.right, h - r.bottom};
    int32_t d = h - 480;
    return Rect{r.left, d + r.top, r.right, d + r.bottom};
}

bool valid_index(int32_t i, int32_t count) { return i >= 0 && i < count; }

}  // namespace

SceneLayout scene_layout_for(int32_t width, int32_t height) {
    const int32_t w = width;
    const int32_t h = height;
    const int32_t d = h - 480;
    SceneLayout l;
    l.width = w;
    l.height = h;
    l.picture = Rect{147, 16, w - 19, h - 96};
    l.leftPanel = Rect{0, 0, 147, h};
    l.tableBand = Rect{0, h - 96, w, h};
    l.labelStrip = Rect{0, h - 22, 572, h};
    l.optionsPanel = Rect{7, d + 337, 101, d + 419};
    l.swatch = Rect{439, h - 40, 483, h - 23};
    l.speaker = Rect{618, h - 21, 634, h};
    l.magnifier = Rect{590, h - 21, 612, h};
    l.paintArea = Rect{475, h - 96, 617, h - 57};
    l.tray = Rect{185, h - 96, 468, h};
    return l;
}

Rect scene_pot_rect(int32_t pot) {
    if (!valid_index(pot, kPotCount)) return Rect{};
    return from_bottom(kPotRects[pot], g_layout.height);
}

Rect scene_pot_extra_rect(int32_t pot) {
    if (!valid_index(pot, kPotCount) || kPotExtraRects[pot].right == 0) return Rect{};
    return from_bottom(kPotExtraRects[pot], g_layout.height);
}

Rect scene_button_rect(int32_t button) {
    if (!valid_index(button, kButtonCount)) return Rect{};
    return place_button_rect(kButtons[button].fromBottom, kButtons[button].rect);
}

Rect scene_button_highlight_rect(int32_t button) {
    if (!valid_index(button, kButtonCount)) return Rect{};
    return place_button_rect(kButtons[button].fromBottom, kButtons[button].highlight);
}

int32_t scene_button_highlight_bitmap(int32_t button) {
    return valid_index(button, kButtonCount) ? kButtons[button].highlightBitmap : -1;
}

int32_t scene_shelf_button(int32_t shelf) {
    constexpr int32_t kShelfButtons[5] = {2, 0, 1, 3, 5};
    return valid_index(shelf, 5) ? kShelfButtons[shelf] : -1;
}

int32_t scene_button_shelf(int32_t button) {
    constexpr int32_t kButtonShelves[kButtonCount] = {1, 2, 0, 3, -1, 4, -1, -1, -1, -1};
    return valid_index(button, kButtonCount) ? kButtonShelves[button] : -1;
}
