// The text tool on the picture: the line following the pointer after the dialog's OK, and
// the line stamped where the child lets go.
#pragma once

#include <cstdint>

// Moves the preview that follows the pointer: what the last preview covered is shown from the
// back buffer again, then the line is drawn straight onto the main window with its bottom centre
// at window point (x, y), in the current colour, cut to the picture area, twice its size
// while zoomed.
void text_draw_preview(int32_t x, int32_t y);
// Stamps the line into the picture bitmap with its bottom centre at picture point (x, y), in
// the current colour, kept inside the picture.
void text_stamp(int32_t x, int32_t y);
