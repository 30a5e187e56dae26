// The command menu: New, Open, Save, Gallery, Preferences, Help, About and Quit, drawn over
// the room at the pointer (F1 or the right button).
#pragma once

#include <cstdint>

void menu_build();
void menu_destroy();
// Opens the menu centred horizontally on x with its top at y (window coordinates), runs it
// until a choice or a dismissal, and sends the choice to the command handler.
void menu_open_at(int32_t x, int32_t y);
