// The real window system's message boxes and pointer images: native GTK boxes where GTK can
// run on the display, our own X11 boxes elsewhere; pointer images made once per id.
#include <SDL.h>

#include <map>

#include "toolbox/platform.h"
#include "toolbox/platform_gtk_boxes.h"
#include "toolbox/platform_sdl.h"

namespace {

std::map<int, SDL_Cursor*> g_cursors;

}  // namespace

namespace sdl_platform {

void free_cursors() {
    for (auto& [id, cursor] : g_cursors) SDL_FreeCursor(cursor);
    g_cursors.clear();
}

}  // namespace sdl_platform

using tb::BoxIcon;

namespace platform {

int message_box(Box kind, const char* title, const char* text) {
    // The toolbox's table of boxes: an error has the exclamation icon, a question the question
    // icon and Yes and No, the two notices the information icon.
    const BoxIcon icon = kind == Box::Error   ? BoxIcon::Exclamation
                         : kind == Box::YesNo ? BoxIcon::Question
                                              : BoxIcon::Information;
    const bool yesNo = kind == Box::YesNo;
    int answer = -1;
    // GTK needs a true-colour screen; on anything else our own X11 box is shown.
    if (gtk_ready()) {
        GtkBoxKind gtkKind = icon == BoxIcon::Exclamation ? GtkBoxKind::Warning
                             : icon == BoxIcon::Question  ? GtkBoxKind::Question
                                                          : GtkBoxKind::Information;
        answer = gtk_message_box(gtkKind, title, text);
    } else {
        answer = sdl_platform::x11_message_box(icon, yesNo, title, text);
    }
    raise_window();
    return answer;
}

void set_cursor(int id, const uint8_t* rgba, int width, int height, int hotX, int hotY) {
    auto found = g_cursors.find(id);
    SDL_Cursor* cursor = found != g_cursors.end() ? found->second : nullptr;
    if (cursor == nullptr) {
        SDL_Surface* s = SDL_CreateRGBSurfaceWithFormatFrom(
            const_cast<uint8_t*>(rgba), width, height, 32, width * 4, SDL_PIXELFORMAT_RGBA32);
        if (s == nullptr) return;
        cursor = SDL_CreateColorCursor(s, hotX, hotY);
        SDL_FreeSurface(s);
        if (cursor == nullptr) return;
        g_cursors[id] = cursor;
    }
    SDL_SetCursor(cursor);
}

void warp_pointer(Point screen) { SDL_WarpMouseGlobal(screen.x, screen.y); }

}  // namespace platform

bool gtk_ready() {
    if (platform::screen_depth() < 15 || !gtk_boxes_available()) return false;
    sdl_platform::keep_x_errors_harmless();  // GTK installs its own handler when it starts
    return true;
}
