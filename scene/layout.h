// The screen layout: where the picture, the panels, the pots and the left-panel buttons lie for
// a window size (window coordinates). The layout in force is g_layout (tools/scene_services.h).
#pragma once

#include <cstdint>

#include "tools/scene_services.h"

// The layout for a client size (pure; does not change the scene).
SceneLayout scene_layout_for(int32_t width, int32_t height);

// Colour pots 0-7 (window coordinates, layout in force). The extra rectangle is empty (all 0)
// for pots 1, 3 and 4, which have none.
constexpr int32_t kPotCount = 8;
Rect scene_pot_rect(int32_t pot);
Rect scene_pot_extra_rect(int32_t pot);

// Left-panel buttons 0-9 in their test order: their rectangles, highlight bitmaps and
// highlight rectangles (window coordinates, layout in force).
constexpr int32_t kButtonCount = 10;
Rect scene_button_rect(int32_t button);
Rect scene_button_highlight_rect(int32_t button);
int32_t scene_button_highlight_bitmap(int32_t button);
// The button that shows a shelf (shelf 0: button 2, 1: 0, 2: 1, 3: 3, 4: 5).
int32_t scene_shelf_button(int32_t shelf);
// The button that a shelf button shows, or -1 for buttons 4 and 6-9.
int32_t scene_button_shelf(int32_t button);
