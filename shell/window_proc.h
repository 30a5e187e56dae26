// The main window's procedure: turns the window system's events into the program's actions.
#pragma once

#include "toolbox/toolbox.h"

void window_proc(const TbEvent* event);
// Command menu ids and the command numbers they send.
constexpr int32_t kFirstMenuId = 40019;
int32_t menu_id_to_command(int32_t menuId);  // -2 when the id sends nothing
void handle_menu_id(int32_t menuId);
