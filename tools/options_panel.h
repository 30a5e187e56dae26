// The options panel a tool draws on the left of the room: a white 94 x 82 picture made in a
// work bitmap (panel pixels, origin at its top-left corner) and copied whole into the back
// buffer. Size bars are the part most panels share.
#pragma once

#include <span>

#include "tools/scene_object.h"

struct SizeBar {
    Rect bar;  // panel pixels
    int32_t size;
    int32_t widen;  // extra pixels on the left and right for the click only
};

constexpr int32_t kPanelWidth = 94;
constexpr int32_t kPanelHeight = 82;

// A new white panel-sized 24-bit work bitmap, or -1 when none can be made.
BitmapRef panel_begin();
// One filled bar per size: the bar of `current` green, the others black.
void panel_draw_size_bars(BitmapRef work, std::span<const SizeBar> bars, int32_t current);
// Copies the work bitmap into the object's back buffer at the panel's top-left corner and
// disposes of it.
void panel_finish(BitmapRef work, const SceneObject& object, const Rect& panel);
// A window point in panel pixels.
Point panel_point(int32_t x, int32_t y, const Rect& panel);
// The size of the bar holding panel point p (widened for the click), or 0 when there is none.
int32_t panel_size_at(std::span<const SizeBar> bars, Point p);
