// The window system under the toolbox. Two implementations exist: the real one on SDL2
// (platform_sdl.cpp) and a headless one for unit tests (platform_headless.cpp), chosen at
// link time. Nothing here knows the toolbox's tables.
#pragma once

#include "toolbox/toolbox.h"

#include <cstddef>
#include <cstdint>

namespace platform {

// Whether there is a display to show the program on; when there is none, says so on standard
// error and returns false. Asked before anything else of the window system.
bool display_available();
// Starts the window system. False when it cannot run on the display (said on standard error).
bool start();
// Ends it at exit; from here on the program is leaving in good order.
void stop();

// Ending on SIGTERM and SIGINT. Once watch_end_signals() has run, a signal is only noted:
// ending_signal() returns it (0 before any), next_event() returns close requests from then on,
// and message boxes end as if closed, so that every loop ends what it runs and the program
// leaves as when its window is closed. A second signal, or a second going by before stop(),
// ends the program at once.
void watch_end_signals();
int ending_signal();

// Bits per pixel of the screen as the display server reports it (0 when unknown).
int screen_depth();
Rect desktop_rect();

// Single instance: true when this process holds the program's lock. When another copy holds
// it, that copy's window is restored and raised and false is returned.
bool claim_single_instance();

// The one main window. `pixels` is the window's client area as bottom-up 24-bit rows
// (width x height), owned by the toolbox; present() shows a rectangle of it.
bool open_window(const Rect& screenRect, const char* title);
void close_window();
void move_window(const Rect& screenRect);
void present(const DibImage& pixels, const Rect& rect);
// After a message box or a dialog of its own: the window takes the keyboard back, and the keys
// and clicks it was given while the box was up are dropped.
void raise_window();
void set_window_icon(const uint8_t* rgba, int width, int height);

// Events in main-window coordinates. With wait, blocks up to timeoutMs (negative: forever).
bool next_event(TbEvent* event, bool wait, int timeoutMs);
void post_event(const TbEvent& event);

// Message boxes: returns 1 for OK / Yes, 0 for No, -1 when closed otherwise.
enum class Box { Error, Attention, Information, YesNo };
int message_box(Box kind, const char* title, const char* text);

// Pointer images: RGBA rows top-down.
void set_cursor(int id, const uint8_t* rgba, int width, int height, int hotX, int hotY);
Point pointer_position();  // screen coordinates
void warp_pointer(Point screen);
bool primary_button_down(bool eitherButton);
bool key_down(int virtualKey);

// Sound: one voice; a new sound replaces the playing one.
void play_wave(const uint8_t* wave, size_t size, bool loop);
void stop_sound();
bool sound_playing();

}  // namespace platform
