// Work bitmaps that hang over the picture's edge: a tool that copies the picture around a
// point into a work bitmap and filters it there finds nothing of the picture beyond its edge.
#pragma once

#include "toolbox/toolbox.h"

// Fills every pixel of a work bitmap outside `inside` (the part that came from the picture, in
// the work bitmap's coordinates) with the nearest pixel of `inside`: the edge columns are
// stretched sideways and the edge rows up and down, the corners taking the corner pixels. A
// filter run afterwards over `inside` then sees the picture continue past its edge instead of
// black, so the edge keeps its colour. Does nothing when `inside` covers the whole bitmap, is
// empty, or the bitmap is not an 8- or 24-bit one.
void fill_outside_with_nearest(BitmapRef work, const Rect& inside);
