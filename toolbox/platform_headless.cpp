// A window system without a screen, for unit tests: the window is memory, events come from
// the test, sounds are only recorded.
#include "toolbox/platform_headless.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <string>

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
    // Modeless dialog
    std::string dialogTitle;
    TbDialogProc dialogProc = nullptr;
    // Printing
    headless::PrintAnswer printAnswer;
    int printDialogs = 0;
    bool pagePending = false;
    headless::PrintedPage pending;
    std::vector<headless::PrintedPage> printed;
    int abandoned = 0;
    // Clipboard
    std::string clipboard;
    // File chooser and clock
    uint32_t clockJump = 0;
    std::deque<int> chooserAnswers;  // 1 a path (from chooserPaths), 0 cancel, -1 unavailable
    std::deque<std::string> chooserPaths;
    std::vector<headless::FileRequestSeen> fileRequests;
    // Signals
    int endingSignal = 0;
};

constexpr NativeWindow kModelessDialog = 300;

State g;

}  // namespace

namespace headless {

void reset() {
    // The clock never goes back, not even between tests.
    const uint32_t jumped = g.clockJump;
    g = State{};
    g.clockJump = jumped;
}
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
void set_clipboard(const char* text) { g.clipboard = text; }
std::string clipboard() { return g.clipboard; }
const std::vector<PlayedSound>& sounds() { return g.sounds; }
void finish_sound() { g.playing = false; }
bool playing() { return g.playing; }
int cursor_id() { return g.cursor; }
int presents() { return g.presents; }
Rect last_present() { return g.lastPresent; }
uint32_t clock_jumped() { return g.clockJump; }
void answer_file_chooser(const std::string& path) {
    g.chooserAnswers.push_back(1);
    g.chooserPaths.push_back(path);
}
void cancel_file_chooser() { g.chooserAnswers.push_back(0); }
void file_chooser_unavailable() { g.chooserAnswers.push_back(-1); }
const std::vector<FileRequestSeen>& file_requests() { return g.fileRequests; }

std::string modeless_dialog_title() { return g.dialogTitle; }
void press_modeless_button(int32_t id) {
    if (g.dialogProc != nullptr) g.dialogProc(kModelessDialog, TB_WM_COMMAND, id, 0);
}

void set_print_answer(const PrintAnswer& answer) { g.printAnswer = answer; }
int print_dialogs_shown() { return g.printDialogs; }
const std::vector<PrintedPage>& printed_pages() { return g.printed; }
int abandoned_jobs() { return g.abandoned; }

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
        if (wait) g.clockJump += static_cast<uint32_t>(timeoutMs);
        return false;
    }
    *event = g.events.front();
    g.events.pop_front();
    return true;
}
void post_event(const TbEvent& event) { g.events.push_back(event); }
std::string clipboard_text() { return g.clipboard; }
void set_clipboard_text(const char* text) { g.clipboard = text != nullptr ? text : ""; }

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

NativeWindow open_modeless_dialog(const DialogTemplate& dialog, const DialogPicture* /*pictures*/,
                                  TbDialogProc proc) {
    g.dialogTitle = dialog.title;
    g.dialogProc = proc;
    proc(kModelessDialog, TB_WM_INITDIALOG, 0, 0);
    return kModelessDialog;
}

void close_modeless_dialog(NativeWindow dialog) {
    if (dialog != kModelessDialog) return;
    g.dialogTitle.clear();
    g.dialogProc = nullptr;
}

int32_t print_begin(PrintPage* page, int32_t* error, PrintPump pump) {
    ++g.printDialogs;
    pump();
    *error = g.printAnswer.choose == 1 ? 0 : g.printAnswer.error;
    if (g.printAnswer.choose != 1) return 0;
    *page = g.printAnswer.page;
    g.pagePending = false;
    return 1;
}

void print_page(const DibImage& pixels, const PrintPage& /*page*/, PrintPump pump) {
    headless::PrintedPage p;
    p.dialogWhileSending = g.dialogTitle;
    for (const TbEvent& e : g.printAnswer.eventsWhileSending) g.events.push_back(e);
    if (g.printAnswer.cancelWhileSending) headless::press_modeless_button(TB_IDCANCEL);
    if (pump() == 0) return;
    p.width = pixels.header->width;
    p.height = pixels.header->height;
    for (int32_t y = 0; y < p.height; ++y) {
        for (int32_t x = 0; x < p.width; ++x) {
            const uint8_t* bgr = tb_PixelAddress(&pixels, x, y);
            p.rgb.push_back((uint32_t{bgr[2]} << 16) | (uint32_t{bgr[1]} << 8) | bgr[0]);
        }
    }
    g.pending = std::move(p);
    g.pagePending = true;
}

void print_end(bool abandon, PrintPump pump, char* failure, size_t size) {
    pump();
    failure[0] = 0;
    if (abandon || !g.pagePending) {
        ++g.abandoned;
    } else if (!g.printAnswer.failure.empty()) {
        std::snprintf(failure, size, "%s", g.printAnswer.failure.c_str());
    } else {
        g.printed.push_back(std::move(g.pending));
    }
    g.pagePending = false;
}

uint32_t milliseconds() {
    auto now = std::chrono::steady_clock::now().time_since_epoch();
    auto real = std::chrono::duration_cast<std::chrono::milliseconds>(now).count();
    return static_cast<uint32_t>(real) + g.clockJump;
}

int choose_file(const FileRequest& request, std::string* chosen) {
    g.fileRequests.push_back({request.save, request.title, request.filterLabel,
                              request.filterPattern, request.folder, request.name});
    if (g.chooserAnswers.empty()) return 0;
    int answer = g.chooserAnswers.front();
    g.chooserAnswers.pop_front();
    if (answer == 1) {
        *chosen = g.chooserPaths.front();
        g.chooserPaths.pop_front();
    }
    return answer;
}

}  // namespace platform
