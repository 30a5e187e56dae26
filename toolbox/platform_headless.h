// Test controls of the headless window system: what a person would do, and what the
// program made the screen, the speaker and the pointer do.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "toolbox/platform.h"
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
// The desktop's clipboard as the program reads and writes it.
void set_clipboard(const char* text);
std::string clipboard();
// Sounds: what was started, and whether something is still playing (tests end a sound).
const std::vector<PlayedSound>& sounds();
void finish_sound();
bool playing();
int cursor_id();
int presents();  // how many rectangles were shown on the screen
Rect last_present();
// As if SIGTERM or SIGINT had come: close requests follow the queued events from then on.
void set_ending_signal(int signal);

// Modeless dialogs: the one open (title empty when none), and a person pressing its button.
std::string modeless_dialog_title();
void press_modeless_button(int32_t id);

// Printing: how the print dialog is answered, and what reached the printer.
struct PrintAnswer {
    int32_t choose = 0;  // 1: a printer is chosen; 0: cancelled, or failed with `error`
    int32_t error = 0;
    platform::PrintPage page;
    std::vector<TbEvent> eventsWhileSending;  // arrive while the page goes out
    bool cancelWhileSending = false;          // the open modeless dialog's button 2 is pressed then
    std::string failure;                      // the printer refuses the job with these words
};
struct PrintedPage {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint32_t> rgb;       // 0xRRGGBB, rows top-down
    std::string dialogWhileSending;  // title of the modeless dialog up meanwhile
    uint32_t at(int32_t x, int32_t y) const { return rgb[static_cast<size_t>(y) * width + x]; }
};
void set_print_answer(const PrintAnswer& answer);
int print_dialogs_shown();
const std::vector<PrintedPage>& printed_pages();
int abandoned_jobs();

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
