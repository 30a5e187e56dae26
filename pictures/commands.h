// The command handler of the remote control and the command menu: 0 Quit, 1 Save, 2 New,
// 3 Open, 4 About, 5 Help, 6 Preferences, 7 Gallery; -1 opens the remote control and runs the
// command chosen there. Any other number runs nothing.
#pragma once

#include <cstdint>

void do_command(int32_t command);
