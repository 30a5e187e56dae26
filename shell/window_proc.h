// The main window's procedure: turns the window system's events into the program's actions.
#pragma once

#include "toolbox/toolbox.h"

void window_proc(const TbEvent* event);
