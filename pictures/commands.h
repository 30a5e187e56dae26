// The command handler: 0 Quit, 1 Save, 2 New, 3 Open, 4 About, 5 Help, 6 Preferences,
// 7 Gallery; -1 asks the remote control for one.
#pragma once

#include <cstdint>

void do_command(int32_t command);
