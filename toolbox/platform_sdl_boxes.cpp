// The real window system's message boxes and pointer images: native GTK boxes where GTK can
// run on the display, our own X11 boxes elsewhere; pointer images made once per id.
#include <SDL.h>

#include <map>
#include <vector>

#include "toolbox/platform.h"
#include "toolbox/platform_gtk_boxes.h"
#include "toolbox/platform_sdl.h"
#include "toolbox/room_scale.h"

namespace {

std::map<int, SDL_Cursor*> g_cursors;

// The pointer image last asked for (resource bytes live as long as the program), so that it
// can be made again at a new room scale.
struct CursorRequest {
    int id = -1;
    const uint8_t* rgba = nullptr;
    int width = 0;
    int height = 0;
    Point hot;
};
CursorRequest g_lastCursor;

SDL_Cursor* cursor_from(const uint8_t* rgba, int width, int height, Point hot) {
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(
        const_cast<uint8_t*>(rgba), width, height, 32, width * 4, SDL_PIXELFORMAT_RGBA32);
    if (surface == nullptr) return nullptr;
    SDL_Cursor* cursor = SDL_CreateColorCursor(surface, hot.x, hot.y);
    SDL_FreeSurface(surface);
    return cursor;
}

// A pointer image at the room scale: each pixel an s x s block, the hot spot in the centre of
// its block. Falls back to the image as it is when the server refuses one that large.
SDL_Cursor* make_cursor(const CursorRequest& c) {
    const int s = room_scale::current().scale;
    if (s > 1) {
        const std::vector<uint8_t> enlarged =
            room_scale::enlarge_rgba(c.rgba, c.width, c.height, s);
        SDL_Cursor* cursor = cursor_from(enlarged.data(), c.width * s, c.height * s,
                                         room_scale::enlarged_hot_spot(c.hot, s));
        if (cursor != nullptr) return cursor;
    }
    return cursor_from(c.rgba, c.width, c.height, c.hot);
}

}  // namespace

namespace sdl_platform {

void free_cursors() {
    for (auto& [id, cursor] : g_cursors) SDL_FreeCursor(cursor);
    g_cursors.clear();
}

void rescale_cursor() {
    const CursorRequest last = g_lastCursor;
    // SDL frees the cursor in use only after another is set: set the new one first.
    std::vector<SDL_Cursor*> old;
    for (auto& [id, cursor] : g_cursors) old.push_back(cursor);
    g_cursors.clear();
    if (last.id >= 0) {
        platform::set_cursor(last.id, last.rgba, last.width, last.height, last.hot.x, last.hot.y);
    }
    for (SDL_Cursor* cursor : old) SDL_FreeCursor(cursor);
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
    g_lastCursor = CursorRequest{id, rgba, width, height, Point{hotX, hotY}};
    auto found = g_cursors.find(id);
    SDL_Cursor* cursor = found != g_cursors.end() ? found->second : nullptr;
    if (cursor == nullptr) {
        cursor = make_cursor(g_lastCursor);
        if (cursor == nullptr) return;
        g_cursors[id] = cursor;
    }
    SDL_SetCursor(cursor);
}

void warp_pointer(Point room) {
    const Point screen = room_scale::to_screen(room_scale::current(), room);
    SDL_WarpMouseGlobal(screen.x, screen.y);
}

}  // namespace platform

bool gtk_ready() {
    if (platform::screen_depth() < 15 || !gtk_boxes_available()) return false;
    sdl_platform::keep_x_errors_harmless();  // GTK installs its own handler when it starts
    return true;
}
