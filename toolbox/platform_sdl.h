// What the real window system's sources share among themselves (platform_sdl_*.cpp and
// platform_x11.cpp); nothing outside them includes this.
#pragma once

#include <SDL.h>
#include <X11/Xlib.h>

#include "toolbox/box_face.h"

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

// Readable once an ending signal has come (and from then on); -1 when it could not be made.
int ending_wake_fd();
// The program has reached the end of its orderly way out: no more hurry.
void orderly_end_reached();

// A message box of our own drawn straight on X11, for screens GTK cannot draw on (8 bits per
// pixel, with a colour map): the icon, the text wrapped to fit the screen, and OK or Yes and No.
// Returns 1 for OK or Yes, 0 for No, -1 when closed otherwise or ended by a signal.
int x11_message_box(tb::BoxIcon icon, bool yesNo, const char* title, const char* text);

// The audio device runs only while a sound plays; called whenever the event loop wakes.
void pause_when_silent();
// Releases the sound device and the pointer images at the end of the run.
void close_audio();
void free_cursors();
// Makes the pointer image in use again at the room scale now in force.
void rescale_cursor();

}  // namespace sdl_platform
