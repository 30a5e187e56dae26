// Pieces the options panels are drawn from: a white panel bitmap to draw on and put in place,
// and rows of size bars to paint and to click. Panel pixels have their origin at the options
// panel's top-left corner.
#pragma once

#include <span>

#include "tools/scene_object.h"

constexpr int32_t kPanelWidth = 94;
constexpr int32_t kPanelHeight = 82;

struct SizeBar {
    Rect bar;  // panel pixels
    int32_t size;
    int32_t widen;  // extra pixels on the left and right for the click only
};

// A new 94 x 82 24-bit bitmap filled white, for one drawing of a panel; -1 when the bitmap table
// is full (already reported). Hand it to panel_finish.
BitmapRef panel_start();
// Copies the panel bitmap into the object's scene bitmap at panel (window coordinates) and
// disposes of it.
void panel_finish(BitmapRef work, const SceneObject& object, const Rect& panel);
// One filled bar per size, the bar of `current` green and the others black.
void panel_paint_size_bars(BitmapRef work, std::span<const SizeBar> bars, int32_t current);
// The size of the bar under panel point (px, py), widened bars included; 0 when none is hit.
int32_t panel_size_at(std::span<const SizeBar> bars, int32_t px, int32_t py);
