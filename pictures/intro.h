// The intro picture shown while the program starts.
#pragma once

#include <cstdint>

// Shows the intro centred on the screen until seven seconds have passed, a button is pressed
// on it, or Escape. Returns 1.
int32_t intro_show();
