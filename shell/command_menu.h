// The command menu: New, Open, Save, Gallery, Preferences, Help, About and Quit, drawn over
// the room at the pointer (F1 or the right button).
#pragma once

#include <cstdint>

#include "toolbox/toolbox.h"

void menu_build();
void menu_destroy();
// Opens the menu centred horizontally on x with its top at y (window coordinates), runs it
// until a choice or a dismissal, and sends the choice to the command handler. Asked while the
// menu is already open (a right-click on the room), it closes that menu instead.
void menu_open_at(int32_t x, int32_t y);
// The same without sending: the menu id chosen (40019..40027), or 0 when it was closed.
int32_t menu_run_at(int32_t x, int32_t y);

// Command menu ids and the command numbers they send (pictures/commands.h): -2 when the id
// sends nothing (40024 and ids outside 40019..40027).
constexpr int32_t kFirstMenuId = 40019;
int32_t menu_id_to_command(int32_t menuId);
// Sends the command of a menu id, if it has one.
void handle_menu_id(int32_t menuId);

// Where a menu of this size opens for the pointer at (x, y) on a screen: centred on x with its
// top at y, moved inside the screen; it opens upwards when there is no room below.
Rect menu_place(int32_t x, int32_t y, int32_t width, int32_t height, const Rect& screen);
