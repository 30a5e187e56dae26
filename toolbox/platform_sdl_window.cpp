// The real window system's window and events: SDL2 for the one borderless main window, its
// pixels and its input; the desktop's size is watched while waiting for events. The room scale
// is applied here and nowhere above: windows and events are in room coordinates, SDL's window
// in screen pixels.
#include <SDL.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>

#include "toolbox/platform.h"
#include "toolbox/platform_sdl.h"
#include "toolbox/room_scale.h"

using sdl_platform::keep_x_errors_harmless;
using sdl_platform::kWindowClass;
using sdl_platform::pause_when_silent;

namespace {

constexpr int kWakeSlice = 250;  // milliseconds

SDL_Window* g_window = nullptr;
std::deque<TbEvent> g_posted;
Rect g_lastDesktop;

int virtual_key(SDL_Keycode k) {
    if (k >= SDLK_a && k <= SDLK_z) return 'A' + (k - SDLK_a);
    if (k >= SDLK_0 && k <= SDLK_9) return '0' + (k - SDLK_0);
    if (k >= SDLK_F1 && k <= SDLK_F12) return 112 + (k - SDLK_F1);
    switch (k) {
        case SDLK_ESCAPE:
            return TB_VK_ESCAPE;
        case SDLK_RETURN:
        case SDLK_KP_ENTER:
            return TB_VK_RETURN;
        case SDLK_BACKSPACE:
            return TB_VK_BACK;
        case SDLK_TAB:
            return TB_VK_TAB;
        case SDLK_SPACE:
            return TB_VK_SPACE;
        case SDLK_LEFT:
            return TB_VK_LEFT;
        case SDLK_UP:
            return TB_VK_UP;
        case SDLK_RIGHT:
            return TB_VK_RIGHT;
        case SDLK_DOWN:
            return TB_VK_DOWN;
        case SDLK_DELETE:
            return TB_VK_DELETE;
        case SDLK_HOME:
            return TB_VK_HOME;
        case SDLK_END:
            return TB_VK_END;
        case SDLK_PAGEUP:
            return TB_VK_PRIOR;
        case SDLK_PAGEDOWN:
            return TB_VK_NEXT;
        case SDLK_INSERT:
            return TB_VK_INSERT;
        default:
            return 0;
    }
}

int modifiers(Uint16 held) {
    return ((held & KMOD_SHIFT) != 0 ? TB_MOD_SHIFT : 0) |
           ((held & KMOD_CTRL) != 0 ? TB_MOD_CONTROL : 0);
}

}  // namespace

SDL_Window* sdl_platform::main_window() { return g_window; }

namespace platform {

bool start() {
    // The window class lets a second copy find this one's window.
    setenv("SDL_VIDEO_X11_WMCLASS", kWindowClass, 1);
    SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    // Our pixels go straight to the window: no GPU renderer behind the window surface, whose
    // start-up alone would cost a third of a second.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    // SIGTERM and SIGINT are ours (watch_end_signals): they must reach the message boxes and
    // dialogs too, not only SDL's queue.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // X11 or nothing: any other driver SDL might fall back on (the offscreen one) shows nothing,
    // and the program would run on where nobody can see it.
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "x11");
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "tintamar: the window system could not start: %s\n", SDL_GetError());
        return false;
    }
    const char* driver = SDL_GetCurrentVideoDriver();
    if (driver == nullptr || std::strcmp(driver, "x11") != 0) {
        std::fprintf(stderr, "tintamar: no X display to open the window on\n");
        SDL_Quit();
        return false;
    }
    keep_x_errors_harmless();
    g_lastDesktop = desktop_rect();
    room_scale::settle(g_lastDesktop.right - g_lastDesktop.left,
                       g_lastDesktop.bottom - g_lastDesktop.top);
    return true;
}

void stop() {
    sdl_platform::free_cursors();
    sdl_platform::close_audio();
    if (g_window != nullptr) SDL_DestroyWindow(g_window);
    g_window = nullptr;
    SDL_Quit();
    keep_x_errors_harmless();  // SDL puts back the handler it found
    sdl_platform::orderly_end_reached();
}

bool open_window(const Rect& roomRect, const char* title) {
    const Rect screenRect = room_scale::to_screen(room_scale::current(), roomRect);
    g_window = SDL_CreateWindow(
        title, screenRect.left, screenRect.top, screenRect.right - screenRect.left,
        screenRect.bottom - screenRect.top, SDL_WINDOW_BORDERLESS | SDL_WINDOW_SHOWN);
    if (g_window == nullptr) return false;
    SDL_RaiseWindow(g_window);
    return true;
}

void close_window() {
    if (g_window != nullptr) SDL_DestroyWindow(g_window);
    g_window = nullptr;
}

void move_window(const Rect& roomRect) {
    if (g_window == nullptr) return;
    const Rect r = room_scale::to_screen(room_scale::current(), roomRect);
    int x = 0, y = 0, w = 0, h = 0;
    SDL_GetWindowPosition(g_window, &x, &y);
    SDL_GetWindowSize(g_window, &w, &h);
    if (x == r.left && y == r.top && w == r.right - r.left && h == r.bottom - r.top) return;
    SDL_SetWindowPosition(g_window, r.left, r.top);
    SDL_SetWindowSize(g_window, r.right - r.left, r.bottom - r.top);
}

void raise_window() {
    if (g_window == nullptr) return;
    SDL_RaiseWindow(g_window);
    SDL_SetWindowInputFocus(g_window);
    // The room was shut while the box or dialog was up: keys and clicks it was given meanwhile
    // are dropped, not acted on now (Escape pressed five times under a box would bring five
    // more boxes). Pointer moves stay, so that the room knows where the pointer went.
    SDL_PumpEvents();
    SDL_FlushEvents(SDL_KEYDOWN, SDL_TEXTINPUT);
    SDL_FlushEvents(SDL_MOUSEBUTTONDOWN, SDL_MOUSEWHEEL);
}

void set_window_icon(const uint8_t* rgba, int width, int height) {
    if (g_window == nullptr) return;
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<uint8_t*>(rgba), width, height,
                                                        32, width * 4, SDL_PIXELFORMAT_RGBA32);
    if (s == nullptr) return;
    SDL_SetWindowIcon(g_window, s);
    SDL_FreeSurface(s);
}

// The screen's own colour mapping, for screens that are not 32-bit xRGB.
static uint32_t map_with_sdl(uint8_t red, uint8_t green, uint8_t blue, const void* format) {
    return SDL_MapRGB(static_cast<const SDL_PixelFormat*>(format), red, green, blue);
}

void present(const DibImage& pixels, const Rect& rect) {
    if (g_window == nullptr) return;
    SDL_Surface* surface = SDL_GetWindowSurface(g_window);
    if (surface == nullptr) return;
    const SDL_PixelFormat* f = surface->format;
    const bool xrgb = f->BytesPerPixel == 4 && (f->format == SDL_PIXELFORMAT_RGB888 ||
                                                f->format == SDL_PIXELFORMAT_ARGB8888);
    SDL_LockSurface(surface);
    const room_scale::ScreenRows screen{static_cast<uint8_t*>(surface->pixels), surface->pitch,
                                        f->BytesPerPixel, surface->w, surface->h};
    const Rect shown = room_scale::enlarge(pixels, rect, room_scale::current(), screen,
                                           xrgb ? nullptr : map_with_sdl, f);
    SDL_UnlockSurface(surface);
    if (shown.left >= shown.right || shown.top >= shown.bottom) return;
    SDL_Rect sr{shown.left, shown.top, shown.right - shown.left, shown.bottom - shown.top};
    SDL_UpdateWindowSurfaceRects(g_window, &sr, 1);
}

// Turns one SDL event into ours; false when it means nothing to the program.
static bool translate(const SDL_Event& s, TbEvent* e) {
    *e = TbEvent{};
    switch (s.type) {
        case SDL_QUIT:
            e->kind = TB_EVENT_CLOSE;
            return true;
        case SDL_WINDOWEVENT:
            switch (s.window.event) {
                case SDL_WINDOWEVENT_FOCUS_GAINED:
                    e->kind = TB_EVENT_FOCUS_GAINED;
                    return true;
                case SDL_WINDOWEVENT_FOCUS_LOST:
                    e->kind = TB_EVENT_FOCUS_LOST;
                    return true;
                case SDL_WINDOWEVENT_EXPOSED:
                    e->kind = TB_EVENT_EXPOSE;
                    return true;
                case SDL_WINDOWEVENT_CLOSE:
                    e->kind = TB_EVENT_CLOSE;
                    return true;
                case SDL_WINDOWEVENT_MOVED:
                case SDL_WINDOWEVENT_SIZE_CHANGED:
                    e->kind = TB_EVENT_MOVED;
                    return true;
                default:
                    return false;
            }
        case SDL_DISPLAYEVENT:
            e->kind = TB_EVENT_DISPLAY_CHANGE;
            return true;
        case SDL_MOUSEMOTION:
            e->kind = TB_EVENT_MOUSE_MOVE;
            e->x = s.motion.x;
            e->y = s.motion.y;
            return true;
        case SDL_MOUSEBUTTONDOWN:
            e->x = s.button.x;
            e->y = s.button.y;
            e->modifiers = modifiers(static_cast<Uint16>(SDL_GetModState()));
            // The X server already swaps the buttons for a left-handed desktop.
            if (s.button.button == SDL_BUTTON_LEFT) {
                // As on the classic desktop: the second press of a double-click arrives as a
                // double-click instead of a press.
                e->kind = (s.button.clicks % 2 == 0) ? TB_EVENT_DOUBLE_CLICK : TB_EVENT_BUTTON_DOWN;
                return true;
            }
            if (s.button.button == SDL_BUTTON_RIGHT) {
                e->kind = TB_EVENT_SECONDARY_DOWN;
                return true;
            }
            return false;
        case SDL_MOUSEBUTTONUP:
            if (s.button.button != SDL_BUTTON_LEFT) return false;
            e->kind = TB_EVENT_BUTTON_UP;
            e->x = s.button.x;
            e->y = s.button.y;
            return true;
        case SDL_KEYDOWN:
            e->kind = TB_EVENT_KEY_DOWN;
            e->key = virtual_key(s.key.keysym.sym);
            e->modifiers = modifiers(s.key.keysym.mod);
            return e->key != 0;
        case SDL_MOUSEWHEEL: {
            int notches = s.wheel.y;
            if (s.wheel.direction == SDL_MOUSEWHEEL_FLIPPED) notches = -notches;
            if (notches == 0) return false;
            e->kind = TB_EVENT_WHEEL;
            e->key = notches;
            e->x = s.wheel.mouseX;
            e->y = s.wheel.mouseY;
            return true;
        }
        case SDL_TEXTINPUT:
            e->kind = TB_EVENT_TEXT;
            std::snprintf(e->text, sizeof e->text, "%s", s.text.text);
            return true;
        default:
            return false;
    }
}

// A desktop of another size may call for another room scale; pointer images follow it.
static void note_desktop(const Rect& now) {
    g_lastDesktop = now;
    if (room_scale::settle(now.right - now.left, now.bottom - now.top)) {
        sdl_platform::rescale_cursor();
    }
}

// The desktop may change size without SDL saying so; look while waiting.
static bool desktop_changed(TbEvent* e) {
    Rect now = desktop_rect();
    if (now.left == g_lastDesktop.left && now.top == g_lastDesktop.top &&
        now.right == g_lastDesktop.right && now.bottom == g_lastDesktop.bottom) {
        return false;
    }
    note_desktop(now);
    *e = TbEvent{};
    e->kind = TB_EVENT_DISPLAY_CHANGE;
    return true;
}

bool next_event(TbEvent* event, bool wait, int timeoutMs) {
    for (;;) {
        if (!g_posted.empty()) {
            *event = g_posted.front();
            g_posted.pop_front();
            return true;
        }
        if (ending_signal() != 0) {
            *event = TbEvent{};
            event->kind = TB_EVENT_CLOSE;
            return true;
        }
        SDL_Event s;
        int got = 0;
        if (!wait) {
            got = SDL_PollEvent(&s);
        } else {
            // Wake now and then to notice a desktop that changed size, and an ending signal
            // (SDL's wait goes on through a signal).
            int slice = timeoutMs < 0 ? kWakeSlice : std::min(timeoutMs, kWakeSlice);
            got = SDL_WaitEventTimeout(&s, slice);
            if (got == 0) {
                pause_when_silent();
                if (desktop_changed(event)) return true;
                if (timeoutMs < 0) continue;
                timeoutMs -= slice;
                if (timeoutMs > 0) continue;
                return false;
            }
        }
        if (got == 0) return false;
        pause_when_silent();
        if (translate(s, event)) {
            if (event->kind == TB_EVENT_DISPLAY_CHANGE) note_desktop(desktop_rect());
            // Every event from SDL carries window pixels (those without a position carry 0,
            // which stays 0); posted events are the toolbox's own and in room pixels already.
            const Point room =
                room_scale::to_room(room_scale::current(), Point{event->x, event->y});
            event->x = room.x;
            event->y = room.y;
            return true;
        }
    }
}

void post_event(const TbEvent& event) {
    g_posted.push_back(event);
    SDL_Event wake{};
    wake.type = SDL_USEREVENT;
    SDL_PushEvent(&wake);
}

std::string clipboard_text() {
    std::string text;
    if (SDL_HasClipboardText() == SDL_TRUE) {
        char* got = SDL_GetClipboardText();
        if (got != nullptr) text = got;
        SDL_free(got);
    }
    return text;
}

void set_clipboard_text(const char* text) { SDL_SetClipboardText(text != nullptr ? text : ""); }

}  // namespace platform
