// What the real window system's sources share among themselves (platform_sdl_*.cpp and
// platform_x11.cpp); nothing outside them includes this.
#pragma once

#include <SDL.h>
#include <X11/Xlib.h>

namespace sdl_platform {

// The window class that lets a second copy find the running one's window.
constexpr const char* kWindowClass = "Paint";

// The main window, or null before it opens and after it closes.
SDL_Window* main_window();

// Our own X connection for asking the server about the pointer, the keyboard and the screen
// as they are now (SDL's copy may lag behind); null without a display.
Display* query_display();
// A stray X error must never end the program; installs the handler that only notes it.
void keep_x_errors_harmless();

// The audio device runs only while a sound plays; called whenever the event loop wakes.
void pause_when_silent();
// Releases the sound device and the pointer images at the end of the run.
void close_audio();
void free_cursors();
// Makes the pointer image in use again at the room scale now in force.
void rescale_cursor();

}  // namespace sdl_platform
