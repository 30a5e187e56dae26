// The window system under the toolbox. Two implementations exist: the real one on SDL2
// (platform_sdl.cpp) and a headless one for unit tests (platform_headless.cpp), chosen at
// link time. Nothing here knows the toolbox's tables.
//
// Coordinates are the room's (toolbox/room_scale.h): the real window system shows each room
// pixel as a block of screen pixels and maps windows, events and the pointer itself. Only
// desktop_rect() is in the screen's own pixels, for native dialogs that place themselves.
#pragma once

#include "toolbox/toolbox.h"

#include <cstddef>
#include <cstdint>

namespace platform {

// Starts the window system. False when there is no display at all.
bool start();
void stop();

// Bits per pixel of the screen as the display server reports it (0 when unknown).
int screen_depth();
Rect desktop_rect();  // screen pixels

// Single instance: true when this process holds the program's lock. When another copy holds
// it, that copy's window is restored and raised and false is returned.
bool claim_single_instance();

// The one main window. `pixels` is the window's client area as bottom-up 24-bit rows
// (width x height), owned by the toolbox; present() shows a rectangle of it.
bool open_window(const Rect& screenRect, const char* title);
void close_window();
void move_window(const Rect& screenRect);
void present(const DibImage& pixels, const Rect& rect);
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
Point pointer_position();  // room coordinates from the screen's top-left corner
void warp_pointer(Point room);
bool primary_button_down(bool eitherButton);
bool key_down(int virtualKey);

// Sound: one voice; a new sound replaces the playing one.
void play_wave(const uint8_t* wave, size_t size, bool loop);
void stop_sound();
bool sound_playing();

}  // namespace platform
