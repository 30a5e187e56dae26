// The gallery: the pictures of the browse folder one at a time, to look at and open.
#pragma once

#include <cstdint>

// Lists the browse folder and shows its pictures from the gallery position on (or the first,
// when that one is gone). On a choice, asks whether to save a modified picture, then opens the
// chosen picture into the picture bitmap (as Open does, without showing it) or tells why it
// could not. Returns 1 when a picture was chosen, -1 for cancel (or when the save before
// opening failed), 0 for Escape.
int32_t gallery_run();
