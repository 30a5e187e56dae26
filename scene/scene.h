// What the rest of the program asks of the scene: its lifetime, painting the screen from the
// back buffer, and the pointer input of the main window (window coordinates).
#pragma once

#include <cstdint>

// Builds the back buffer, picture and undo bitmaps, the object table and the first
// composition for a window of this client size; sets the default picture file name.
void scene_startup(int32_t width, int32_t height);
// Releases everything the scene owns.
void scene_release();
// The display changed size: rebuild for the new size, keeping the picture (scaled).
void scene_rebuild(int32_t width, int32_t height);
// Copies the whole back buffer to the screen.
void scene_repaint_all();
// Composes the picture area (zoom included) and shows it.
void scene_compose_picture();

// Pointer input of the main window.
void input_pointer_move(int32_t x, int32_t y);
void input_button_down(int32_t x, int32_t y);
void input_button_up(int32_t x, int32_t y);
void input_double_click(int32_t x, int32_t y);
