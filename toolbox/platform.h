// The window system under the toolbox. Two implementations exist: the real one on SDL2
// (platform_sdl.cpp) and a headless one for unit tests (platform_headless.cpp), chosen at
// link time. Nothing here knows the toolbox's tables.
//
// Coordinates are the room's (toolbox/room_scale.h): the real window system shows each room
// pixel as a block of screen pixels and maps windows, events and the pointer itself. Only
// desktop_rect() is in the screen's own pixels, for native dialogs that place themselves.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "toolbox/dialog_template.h"
#include "toolbox/toolbox.h"

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
// After a message box or a dialog of its own: the window takes the keyboard back, and the keys
// and clicks it was given while the box was up are dropped.
void raise_window();
void set_window_icon(const uint8_t* rgba, int width, int height);

// Events in main-window coordinates. With wait, blocks up to timeoutMs (negative: forever).
bool next_event(TbEvent* event, bool wait, int timeoutMs);
void post_event(const TbEvent& event);

// The desktop's clipboard as UTF-8 text (empty when it holds none).
std::string clipboard_text();
void set_clipboard_text(const char* text);

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

// A modeless dialog: a window of its own beside the main window, built from a template, with
// `pictures` holding one RGBA image (rows top-down) per picture control, in template order.
// The procedure gets TB_WM_INITDIALOG once the controls exist, then TB_WM_COMMAND (wParam: the
// button's id; Escape sends TB_IDCANCEL). The window cannot be closed by its frame. Returns
// the dialog's native window, or 0 when it could not be made.
struct DialogPicture {
    const uint8_t* rgba = nullptr;
    int width = 0;
    int height = 0;
};
NativeWindow open_modeless_dialog(const DialogTemplate& dialog, const DialogPicture* pictures,
                                  TbDialogProc proc);
void close_modeless_dialog(NativeWindow dialog);

// Printing: one job at a time. `pump` is called every few milliseconds while the platform
// works (the print dialog is up, the page is made, the job is sent); when it returns 0 the job
// is abandoned, if it has not yet gone to the printer.
using PrintPump = int32_t (*)();
struct PrintPage {
    double widthMm = 0;  // the printable area, in the page's orientation
    double heightMm = 0;
    int32_t dpiX = 0;  // resolution in pixels per inch
    int32_t dpiY = 0;
};
// Runs the print dialog. Returns 1 when a printer was chosen: the job has begun and *page
// describes its page. Returns 0 when the dialog was cancelled (*error 0) or failed (*error one
// of the TB_PRINT_ERROR_ codes).
int32_t print_begin(PrintPage* page, int32_t* error, PrintPump pump);
// Sends the job's one page: `pixels` covers the printable area at `page`'s resolution (which
// may be lower than the printer's) and is white where nothing was drawn. Returns once the page
// is on its way.
void print_page(const DibImage& pixels, const PrintPage& page, PrintPump pump);
// Ends the job: it goes to the printer unless `abandon`; returns once the printer has it.
// `failure` (size bytes) receives the platform's reason when the printer did not take the
// job, otherwise an empty text.
void print_end(bool abandon, PrintPump pump, char* failure, size_t size);

// The millisecond clock (it wraps after 2^32 ms).
uint32_t milliseconds();

// The desktop's file chooser, modal over the main window.
struct FileRequest {
    bool save = false;  // save: proposes `name`; otherwise open an existing file
    const char* title = "";
    const char* filterLabel = "";
    const char* filterPattern = "";  // letters match in either case
    const char* folder = "";  // where it starts; empty: the chooser's choice
    const char* name = "";  // UTF-8
};
// 1 with the chosen path in *chosen, 0 when cancelled, -1 when it cannot be shown.
int choose_file(const FileRequest& request, std::string* chosen);

}  // namespace platform
