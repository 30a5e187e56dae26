// The colour mixer dialog: the child picks any colour from a painter's palette picture.
#pragma once

#include <cstdint>

// Runs the dialog. Returns 1 when a colour was picked and confirmed (then written to red,
// green and blue, each 0..65025), -1 when it was cancelled, 0 when it was closed with Escape;
// the colour is left alone unless the result is 1.
int32_t colour_mixer_run(int32_t* red, int32_t* green, int32_t* blue);
