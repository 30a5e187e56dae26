// Drawing the room's art from bitmap resources by id (loaded, drawn and disposed at once).
#pragma once

#include "toolbox/toolbox.h"

// Picture imageId cut out by mask maskId (same size), scaled into dst of target.
void art_draw_cut_out(TargetRef target, int32_t imageId, int32_t maskId, const Rect& dst);
// The part `from` (picture pixels) of imageId into `to` of target (scaled when sizes differ).
void art_draw_part(TargetRef target, int32_t imageId, const Rect& from, const Rect& to);
// The whole of imageId with its top-left corner at (x, y) of target.
void art_draw(TargetRef target, int32_t imageId, int32_t x, int32_t y);
