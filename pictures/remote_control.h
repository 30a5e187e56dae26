// The remote control: a picture of a remote with eight buttons, over the room.
#pragma once

#include <cstdint>

// Runs the remote until a button or the close area is released on, or Escape. Returns the
// command of the button (0 Quit, 1 Save, 2 New, 3 Open, 4 About, 5 Help, 6 Preferences,
// 7 Gallery), -1 for the close area, 0 for Escape.
int32_t remote_control_run();
