// Test controls of the headless window system: what a person would do, and what the
// program made the screen, the speaker and the pointer do.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "toolbox/toolbox.h"

namespace headless {

struct PlayedSound {
    const uint8_t* wave;
    bool loop;
};

void reset();
void set_screen(int depth, Rect desktop);
void push_event(const TbEvent& event);
void set_pointer(Point screen);
Point pointer();
void set_button(bool down);
void set_key(int virtualKey, bool down);
// Sounds: what was started, and whether something is still playing (tests end a sound).
const std::vector<PlayedSound>& sounds();
void finish_sound();
bool playing();
int cursor_id();
int presents();  // how many rectangles were shown on the screen
Rect last_present();
// As if SIGTERM or SIGINT had come: close requests follow the queued events from then on.
void set_ending_signal(int signal);

}  // namespace headless
