// The named pixel filters the tools use, and the texture bitmap of the texture brushes.
// Rectangles are in the bitmap's own coordinates; only the part inside the bitmap changes.
#pragma once

#include <cstdint>

#include "toolbox/toolbox.h"

enum class NamedFilter : int32_t {
    Blur3,        // the Tissue
    Blur5,        // the Paintbrush
    MildSharpen,  // the Screwdriver
    Darken,       // the Sunglasses (amount 5)
    Brighten,     // the Light bulb (amount 5)
    RedBoost,     // the Tint crayon (amount 20), one channel each
    GreenBoost,
    BlueBoost,
    Grain,   // the Salt shaker (amount 10)
    Emboss,  // the Chisel
};

// The kernel of a named filter. amount is used by Darken, Brighten, the boosts and Grain (a
// negative amount counts as 0) and ignored by the others.
FilterKernel named_filter_kernel(NamedFilter filter, int32_t amount = 0);
// Applies a named filter to the part of rect inside the bitmap.
void apply_named_filter(BitmapRef bitmap, const Rect& rect, NamedFilter filter, int32_t amount = 0);

// A new 24-bit bitmap the size of rect, tiled from its top-left corner with the pattern
// resource. The caller disposes it. -1 when no bitmap could be made (already reported).
BitmapRef create_texture_bitmap(const Rect& rect, int16_t patternId);
