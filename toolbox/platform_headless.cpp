// A window system without a screen, for unit tests: the window is memory, events come from
// the test, sounds are only recorded.
#include "toolbox/platform_headless.h"

#include <cstdio>
#include <cstdlib>
#include <deque>

#include "toolbox/platform.h"

namespace {

struct State {
    int depth = 24;
    Rect desktop{0, 0, 640, 480};
    std::deque<TbEvent> events;
    Point pointer;
    bool button = false;
    bool keys[256] = {};
    std::vector<headless::PlayedSound> sounds;
    bool playing = false;
    int cursor = 0;
    int presents = 0;
    Rect lastPresent;
    Rect window;
    int endingSignal = 0;
};

State g;

}  // namespace

namespace headless {

void reset() { g = State{}; }
void set_screen(int depth, Rect desktop) {
    g.depth = depth;
    g.desktop = desktop;
}
void push_event(const TbEvent& event) { g.events.push_back(event); }
void set_pointer(Point screen) { g.pointer = screen; }
Point pointer() { return g.pointer; }
void set_button(bool down) { g.button = down; }
void set_key(int virtualKey, bool down) {
    if (virtualKey >= 0 && virtualKey < 256) g.keys[virtualKey] = down;
}
const std::vector<PlayedSound>& sounds() { return g.sounds; }
void finish_sound() { g.playing = false; }
bool playing() { return g.playing; }
int cursor_id() { return g.cursor; }
int presents() { return g.presents; }
Rect last_present() { return g.lastPresent; }
void set_ending_signal(int signal) { g.endingSignal = signal; }

}  // namespace headless

namespace platform {

bool display_available() { return true; }
bool start() { return true; }
void watch_end_signals() {}
int ending_signal() { return g.endingSignal; }
void stop() {}
int screen_depth() { return g.depth; }
Rect desktop_rect() { return g.desktop; }
bool claim_single_instance() { return true; }
bool open_window(const Rect& screenRect, const char* /*title*/) {
    g.window = screenRect;
    return true;
}
void close_window() {}
void move_window(const Rect& screenRect) { g.window = screenRect; }
void present(const DibImage& /*pixels*/, const Rect& rect) {
    ++g.presents;
    g.lastPresent = rect;
}
void raise_window() {}
void set_window_icon(const uint8_t*, int, int) {}

bool next_event(TbEvent* event, bool wait, int timeoutMs) {
    // Never blocks. Waiting forever on an empty queue would hang the test for good (a modal
    // loop that nothing can end), so that ends the test at once with the reason.
    if (g.events.empty()) {
        if (g.endingSignal != 0) {
            *event = TbEvent{};
            event->kind = TB_EVENT_CLOSE;
            return true;
        }
        if (wait && timeoutMs < 0) {
            std::fprintf(stderr, "headless: waiting for an event, but the test queued none\n");
            std::abort();
        }
        return false;
    }
    *event = g.events.front();
    g.events.pop_front();
    return true;
}
void post_event(const TbEvent& event) { g.events.push_back(event); }

int message_box(Box kind, const char* /*title*/, const char* /*text*/) {
    return kind == Box::YesNo ? -1 : 1;
}

void set_cursor(int id, const uint8_t*, int, int, int, int) { g.cursor = id; }
Point pointer_position() { return g.pointer; }
void warp_pointer(Point screen) { g.pointer = screen; }
bool primary_button_down(bool /*eitherButton*/) { return g.button; }
bool key_down(int virtualKey) { return virtualKey >= 0 && virtualKey < 256 && g.keys[virtualKey]; }

void play_wave(const uint8_t* wave, size_t /*size*/, bool loop) {
    g.sounds.push_back({wave, loop});
    g.playing = true;
}
void stop_sound() { g.playing = false; }
bool sound_playing() { return g.playing; }

}  // namespace platform
