// The real window system's message boxes and pointer images: native GTK boxes where GTK can
// run on the display, SDL's own boxes elsewhere; pointer images made once per id.
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

namespace platform {

int message_box(Box kind, const char* title, const char* text) {
    // GTK needs a true-colour screen; on anything else SDL's own boxes still work.
    if (gtk_ready()) {
        GtkBoxKind gtkKind = kind == Box::Error   ? GtkBoxKind::Warning
                             : kind == Box::YesNo ? GtkBoxKind::Question
                                                  : GtkBoxKind::Information;
        int answer = gtk_message_box(gtkKind, title, text);
        raise_window();
        return answer;
    }
    SDL_MessageBoxButtonData ok[] = {
        {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT | SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, 1,
         "OK"}};
    SDL_MessageBoxButtonData yesNo[] = {{SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, 1, "Yes"},
                                        {0, 0, "No"}};
    SDL_MessageBoxData data{};
    data.flags = kind == Box::Error ? SDL_MESSAGEBOX_WARNING : SDL_MESSAGEBOX_INFORMATION;
    // Errors and questions are system-modal and belong to no window; notices to the main one.
    data.window = (kind == Box::Attention || kind == Box::Information) ? sdl_platform::main_window()
                                                                       : nullptr;
    data.title = title;
    data.message = text;
    if (kind == Box::YesNo) {
        data.numbuttons = 2;
        data.buttons = yesNo;
    } else {
        data.numbuttons = 1;
        data.buttons = ok;
    }
    int pressed = -1;
    if (SDL_ShowMessageBox(&data, &pressed) != 0) pressed = -1;
    raise_window();
    return pressed;
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
