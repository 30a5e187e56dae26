// Soft-edged shapes for the command menu in its own colours, painted straight into a 24-bit
// bitmap by the toolbox: rounded panels, dots and shadows blend into what the bitmap already
// holds, so the menu sits on the room without jagged corners.
#pragma once

#include <cstdint>

#include "toolbox/toolbox.h"

using ArtColour = PanelColour;

// Fills the rounded rectangle (left, top, right, bottom; right and bottom exclusive) with a
// colour; edge pixels are mixed by how much of them the shape covers.
void art_fill_round_rect(BitmapRef bitmap, const Rect& r, double radius, ArtColour colour);
// Darkens what lies under a rounded rectangle to `percent` of its brightness.
void art_shade_round_rect(BitmapRef bitmap, const Rect& r, double radius, int32_t percent);
void art_fill_circle(BitmapRef bitmap, double cx, double cy, double radius, ArtColour colour);
