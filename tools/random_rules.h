// The rules by which tools scatter their paint: a random colour and a random offset. Both draw
// their numbers from tb_Random in a fixed order, so a seeded generator repeats them exactly.
#pragma once

#include <cstdint>

#include "toolbox/toolbox.h"

// A painting colour, each channel 0..65025 (an 8-bit value times 255).
struct ToolColour {
    int32_t red = 0;
    int32_t green = 0;
    int32_t blue = 0;
};

// Red, then green, then blue: each a brightness from 12000 to 65000 (drawn first) times a
// factor from 0 to 2 in hundredths, rounded and limited to 65025, so bright and pure colours
// come up often.
ToolColour random_colour();

// An offset (x, y) of at most `reach` along each axis. Each axis draws its own distance
// (nearest..reach), side and angle (0..90 degrees) and takes the cosine (x) or sine (y) of
// that angle, so the points gather along the centre lines.
Point random_offset(int32_t nearest, int32_t reach);
