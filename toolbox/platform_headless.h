// Test controls of the headless window system: what a person would do, and what the
// program made the screen, the speaker and the pointer do.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
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

// The clock runs with the real one, and jumps ahead whenever the program waits for an event
// with a time limit and none is queued: the wait is over at once, as if it had lasted.
uint32_t clock_jumped();  // milliseconds jumped so far

// The file chooser: answers for the next requests, in order (a path, or cancel); with none
// queued it is cancelled. The requests it got, newest last.
struct FileRequestSeen {
    bool save;
    std::string title;
    std::string filterLabel;
    std::string filterPattern;
    std::string folder;
    std::string name;
};
void answer_file_chooser(const std::string& path);
void cancel_file_chooser();
void file_chooser_unavailable();  // the next request cannot be shown at all
const std::vector<FileRequestSeen>& file_requests();

}  // namespace headless
