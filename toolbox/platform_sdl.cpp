// The real window system: SDL2 for the window, input, pointer images and sound, Xlib for the
// few things SDL cannot tell (the screen's true depth, finding the running copy's window).
#include <SDL.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "toolbox/platform.h"
#include "toolbox/platform_gtk_boxes.h"

namespace {

constexpr const char* kWindowClass = "Paint";

SDL_Window* g_window = nullptr;
std::deque<TbEvent> g_posted;
std::map<int, SDL_Cursor*> g_cursors;
Rect g_lastDesktop;
int g_lockFd = -1;

// ---- sound: one voice mixed by the audio callback ----------------------------------------
struct Voice {
    const std::vector<uint8_t>* samples = nullptr;
    size_t position = 0;
    bool loop = false;
    bool active = false;
};

SDL_AudioDeviceID g_audio = 0;
SDL_AudioSpec g_audioSpec{};
Voice g_voice;
std::map<const uint8_t*, std::vector<uint8_t>> g_converted;  // by resource address
uint32_t g_silentUntil = 0;  // without a device: when the "playing" sound would end

void audio_callback(void* /*user*/, Uint8* stream, int length) {
    std::memset(stream, g_audioSpec.silence, static_cast<size_t>(length));
    size_t written = 0;
    auto want = static_cast<size_t>(length);
    while (g_voice.active && written < want) {
        const std::vector<uint8_t>& s = *g_voice.samples;
        size_t n = std::min(want - written, s.size() - g_voice.position);
        std::memcpy(stream + written, s.data() + g_voice.position, n);
        written += n;
        g_voice.position += n;
        if (g_voice.position >= s.size()) {
            if (g_voice.loop && !s.empty())
                g_voice.position = 0;
            else
                g_voice.active = false;
        }
    }
}

// The device runs only while a sound plays, so an idle program wakes nothing up.
void pause_when_silent() {
    if (g_audio != 0 && !g_voice.active) SDL_PauseAudioDevice(g_audio, 1);
}

// The sound device opens with the first sound, so that start-up never waits for it.
bool g_audioTried = false;

void open_audio() {
    if (g_audioTried) return;
    g_audioTried = true;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return;
    SDL_AudioSpec want{};
    want.freq = 22050;
    want.format = AUDIO_S16SYS;
    want.channels = 1;
    want.samples = 512;
    want.callback = audio_callback;
    g_audio = SDL_OpenAudioDevice(nullptr, 0, &want, &g_audioSpec, 0);
}

// The wave converted to the device's format, made once per resource.
const std::vector<uint8_t>* converted(const uint8_t* wave, size_t size) {
    auto found = g_converted.find(wave);
    if (found != g_converted.end()) return &found->second;
    SDL_AudioSpec waveFormat;
    Uint8* buffer = nullptr;
    Uint32 length = 0;
    SDL_RWops* rw = SDL_RWFromConstMem(wave, static_cast<int>(size));
    if (SDL_LoadWAV_RW(rw, 1, &waveFormat, &buffer, &length) == nullptr) return nullptr;
    std::vector<uint8_t> out;
    SDL_AudioCVT cvt;
    if (SDL_BuildAudioCVT(&cvt, waveFormat.format, waveFormat.channels, waveFormat.freq,
                          g_audioSpec.format, g_audioSpec.channels, g_audioSpec.freq) >= 0) {
        out.resize(static_cast<size_t>(length) * static_cast<size_t>(cvt.len_mult));
        std::memcpy(out.data(), buffer, length);
        cvt.buf = out.data();
        cvt.len = static_cast<int>(length);
        if (cvt.needed != 0) SDL_ConvertAudio(&cvt);
        out.resize(static_cast<size_t>(cvt.needed != 0 ? cvt.len_cvt : static_cast<int>(length)));
    }
    SDL_FreeWAV(buffer);
    return &(g_converted[wave] = std::move(out));
}

uint32_t wave_duration_ms(const uint8_t* wave, size_t size) {
    SDL_AudioSpec waveFormat;
    Uint8* buffer = nullptr;
    Uint32 length = 0;
    SDL_RWops* rw = SDL_RWFromConstMem(wave, static_cast<int>(size));
    if (SDL_LoadWAV_RW(rw, 1, &waveFormat, &buffer, &length) == nullptr) return 0;
    SDL_FreeWAV(buffer);
    uint32_t bytesPerSecond = static_cast<uint32_t>(waveFormat.freq) * waveFormat.channels *
                              (SDL_AUDIO_BITSIZE(waveFormat.format) / 8);
    return bytesPerSecond == 0 ? 0
                               : static_cast<uint32_t>(uint64_t{length} * 1000 / bytesPerSecond);
}

// ---- keys ---------------------------------------------------------------------------------
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
        default:
            return 0;
    }
}

// The X keysym of a virtual key, for asking the X server about the keyboard directly.
KeySym keysym_of(int vk) {
    if (vk >= 'A' && vk <= 'Z') return XK_a + (vk - 'A');
    if (vk >= '0' && vk <= '9') return XK_0 + (vk - '0');
    if (vk >= 112 && vk <= 123) return XK_F1 + (vk - 112);
    switch (vk) {
        case TB_VK_ESCAPE:
            return XK_Escape;
        case TB_VK_RETURN:
            return XK_Return;
        case TB_VK_SPACE:
            return XK_space;
        case TB_VK_BACK:
            return XK_BackSpace;
        case TB_VK_TAB:
            return XK_Tab;
        case TB_VK_DELETE:
            return XK_Delete;
        case TB_VK_LEFT:
            return XK_Left;
        case TB_VK_UP:
            return XK_Up;
        case TB_VK_RIGHT:
            return XK_Right;
        case TB_VK_DOWN:
            return XK_Down;
        default:
            return NoSymbol;
    }
}

// A connection of our own for polling the pointer and the keyboard: the X server answers
// with the state as it is now, focus or not, where SDL's copy may lag behind.
Display* query_display() {
    static Display* display = XOpenDisplay(nullptr);
    return display;
}

// ---- X11 helpers --------------------------------------------------------------------------

// A stray X error (a request about a window that another client just destroyed, say) must
// never end the program: Xlib's own handler exits. Ours notes it and carries on.
int ignore_x_error(Display* display, XErrorEvent* error) {
    char text[256] = {};
    XGetErrorText(display, error->error_code, text, sizeof text);
    std::fprintf(stderr, "tintamar: X error ignored: %s (request %d)\n", text, error->request_code);
    return 0;
}

void keep_x_errors_harmless() { XSetErrorHandler(ignore_x_error); }
bool has_class(Display* d, Window w, const char* name) {
    XClassHint hint{};
    if (XGetClassHint(d, w, &hint) == 0) return false;
    bool match = (hint.res_class != nullptr && std::strcmp(hint.res_class, name) == 0) ||
                 (hint.res_name != nullptr && std::strcmp(hint.res_name, name) == 0);
    if (hint.res_name != nullptr) XFree(hint.res_name);
    if (hint.res_class != nullptr) XFree(hint.res_class);
    return match;
}

Window find_class_window(Display* d, Window under, const char* name, int depth) {
    if (has_class(d, under, name)) return under;
    if (depth > 2) return 0;
    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(d, under, &root, &parent, &children, &count) == 0) return 0;
    Window found = 0;
    for (unsigned int i = 0; i < count && found == 0; ++i) {
        found = find_class_window(d, children[i], name, depth + 1);
    }
    if (children != nullptr) XFree(children);
    return found;
}

// Restores and raises the running copy's window.
void raise_running_copy() {
    Display* d = XOpenDisplay(nullptr);
    if (d == nullptr) return;
    Window root = DefaultRootWindow(d);
    Window w = find_class_window(d, root, kWindowClass, 0);
    if (w != 0) {
        XMapRaised(d, w);
        XEvent e{};
        e.xclient.type = ClientMessage;
        e.xclient.window = w;
        e.xclient.message_type = XInternAtom(d, "_NET_ACTIVE_WINDOW", False);
        e.xclient.format = 32;
        e.xclient.data.l[0] = 1;
        XSendEvent(d, root, False, SubstructureRedirectMask | SubstructureNotifyMask, &e);
        XRaiseWindow(d, w);
        XFlush(d);
    }
    XCloseDisplay(d);
}

std::string lock_path() {
    const char* display = std::getenv("DISPLAY");
    std::string name = display != nullptr ? display : "none";
    for (char& c : name) {
        if (c == '/' || c == ':') c = '_';
    }
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    std::string dir = runtime != nullptr && runtime[0] == '/' ? runtime : "/tmp";
    return dir + "/tintamar-" + std::to_string(getuid()) + "-" + name + ".lock";
}

}  // namespace

namespace platform {

bool start() {
    // The window class lets a second copy find this one's window.
    setenv("SDL_VIDEO_X11_WMCLASS", kWindowClass, 1);
    SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    // Our pixels go straight to the window: no GPU renderer behind the window surface, whose
    // start-up alone would cost a third of a second.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (SDL_Init(SDL_INIT_VIDEO) != 0) return false;
    keep_x_errors_harmless();
    g_lastDesktop = desktop_rect();
    return true;
}

void stop() {
    for (auto& [id, cursor] : g_cursors) SDL_FreeCursor(cursor);
    g_cursors.clear();
    if (g_audio != 0) SDL_CloseAudioDevice(g_audio);
    g_audio = 0;
    if (g_window != nullptr) SDL_DestroyWindow(g_window);
    g_window = nullptr;
    SDL_Quit();
    keep_x_errors_harmless();  // SDL puts back the handler it found
}

int screen_depth() {
    Display* d = XOpenDisplay(nullptr);
    if (d == nullptr) return 0;
    int depth = DefaultDepth(d, DefaultScreen(d));
    XCloseDisplay(d);
    return depth;
}

// The desktop is the root window, as the X server sees it now (a round trip, so a screen that
// changed size is seen at once).
Rect desktop_rect() {
    Display* d = query_display();
    Window root = 0;
    int x = 0, y = 0;
    unsigned int width = 0, height = 0, border = 0, depth = 0;
    if (d == nullptr || XGetGeometry(d, DefaultRootWindow(d), &root, &x, &y, &width, &height,
                                     &border, &depth) == 0) {
        return Rect{0, 0, 640, 480};
    }
    return Rect{0, 0, static_cast<int32_t>(width), static_cast<int32_t>(height)};
}

bool claim_single_instance() {
    keep_x_errors_harmless();  // before the first connection to the X server
    g_lockFd = open(lock_path().c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (g_lockFd < 0) return true;  // cannot tell: let this copy run
    // The kernel drops the lock when the process ends, however it ends.
    if (flock(g_lockFd, LOCK_EX | LOCK_NB) == 0) return true;
    close(g_lockFd);
    g_lockFd = -1;
    raise_running_copy();
    return false;
}

bool open_window(const Rect& screenRect, const char* title) {
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

void move_window(const Rect& r) {
    if (g_window == nullptr) return;
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
}

void set_window_icon(const uint8_t* rgba, int width, int height) {
    if (g_window == nullptr) return;
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<uint8_t*>(rgba), width, height,
                                                        32, width * 4, SDL_PIXELFORMAT_RGBA32);
    if (s == nullptr) return;
    SDL_SetWindowIcon(g_window, s);
    SDL_FreeSurface(s);
}

void present(const DibImage& pixels, const Rect& rect) {
    if (g_window == nullptr) return;
    SDL_Surface* surface = SDL_GetWindowSurface(g_window);
    if (surface == nullptr) return;
    const DibHeader& h = *pixels.header;
    Rect r{std::max(rect.left, 0), std::max(rect.top, 0),
           std::min(rect.right, std::min(h.width, surface->w)),
           std::min(rect.bottom, std::min(h.height, surface->h))};
    if (r.left >= r.right || r.top >= r.bottom) return;
    const int stride = ((3 * h.width + 3) & ~3);
    SDL_LockSurface(surface);
    const SDL_PixelFormat* f = surface->format;
    for (int y = r.top; y < r.bottom; ++y) {
        const uint8_t* src =
            pixels.pixels + static_cast<size_t>(h.height - 1 - y) * stride + 3 * r.left;
        auto* row =
            static_cast<uint8_t*>(surface->pixels) + static_cast<size_t>(y) * surface->pitch;
        if (f->BytesPerPixel == 4) {
            auto* dst = reinterpret_cast<uint32_t*>(row) + r.left;
            if (f->format == SDL_PIXELFORMAT_RGB888 || f->format == SDL_PIXELFORMAT_ARGB8888) {
                for (int x = r.left; x < r.right; ++x, src += 3) {
                    *dst++ =
                        0xFF000000u | (uint32_t{src[2]} << 16) | (uint32_t{src[1]} << 8) | src[0];
                }
            } else {
                for (int x = r.left; x < r.right; ++x, src += 3)
                    *dst++ = SDL_MapRGB(f, src[2], src[1], src[0]);
            }
        } else if (f->BytesPerPixel == 2) {
            auto* dst = reinterpret_cast<uint16_t*>(row) + r.left;
            for (int x = r.left; x < r.right; ++x, src += 3) {
                *dst++ = static_cast<uint16_t>(SDL_MapRGB(f, src[2], src[1], src[0]));
            }
        } else {
            for (int x = r.left; x < r.right; ++x, src += 3) {
                uint32_t v = SDL_MapRGB(f, src[2], src[1], src[0]);
                std::memcpy(row + static_cast<size_t>(x) * f->BytesPerPixel, &v, f->BytesPerPixel);
            }
        }
    }
    SDL_UnlockSurface(surface);
    SDL_Rect sr{r.left, r.top, r.right - r.left, r.bottom - r.top};
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
            return e->key != 0;
        case SDL_TEXTINPUT:
            e->kind = TB_EVENT_TEXT;
            std::snprintf(e->text, sizeof e->text, "%s", s.text.text);
            return true;
        default:
            return false;
    }
}

// The desktop may change size without SDL saying so; look while waiting.
static bool desktop_changed(TbEvent* e) {
    Rect now = desktop_rect();
    if (now.left == g_lastDesktop.left && now.top == g_lastDesktop.top &&
        now.right == g_lastDesktop.right && now.bottom == g_lastDesktop.bottom) {
        return false;
    }
    g_lastDesktop = now;
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
        SDL_Event s;
        int got = 0;
        if (!wait) {
            got = SDL_PollEvent(&s);
        } else {
            // Wake now and then to notice a desktop that changed size.
            int slice = timeoutMs < 0 ? 1000 : std::min(timeoutMs, 1000);
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
            if (event->kind == TB_EVENT_DISPLAY_CHANGE) g_lastDesktop = desktop_rect();
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
    data.window = (kind == Box::Attention || kind == Box::Information) ? g_window : nullptr;
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

struct PointerState {
    Point screen;
    unsigned int buttons = 0;
};

PointerState query_pointer() {
    PointerState state;
    Display* d = query_display();
    if (d == nullptr) return state;
    Window root = 0, child = 0;
    int rootX = 0, rootY = 0, winX = 0, winY = 0;
    unsigned int mask = 0;
    if (XQueryPointer(d, DefaultRootWindow(d), &root, &child, &rootX, &rootY, &winX, &winY,
                      &mask) != 0) {
        state.screen = Point{rootX, rootY};
        state.buttons = mask;
    }
    return state;
}

Point pointer_position() { return query_pointer().screen; }

void warp_pointer(Point screen) { SDL_WarpMouseGlobal(screen.x, screen.y); }

bool primary_button_down(bool eitherButton) {
    // Button 1 is the primary button: the X server maps it for a left-handed desktop.
    unsigned int mask = eitherButton ? (Button1Mask | Button3Mask) : Button1Mask;
    return (query_pointer().buttons & mask) != 0;
}

bool key_down(int virtualKey) {
    Display* d = query_display();
    KeySym sym = keysym_of(virtualKey);
    if (d == nullptr || sym == NoSymbol) return false;
    KeyCode code = XKeysymToKeycode(d, sym);
    if (code == 0) return false;
    char keys[32];
    XQueryKeymap(d, keys);
    return (keys[code / 8] & (1 << (code % 8))) != 0;
}

void stop_sound();

void play_wave(const uint8_t* wave, size_t size, bool loop) {
    open_audio();
    if (g_audio == 0) {
        g_silentUntil = loop ? 0xFFFFFFFFu : SDL_GetTicks() + wave_duration_ms(wave, size);
        return;
    }
    const std::vector<uint8_t>* samples = converted(wave, size);
    if (samples == nullptr || samples->empty()) {
        stop_sound();  // a new sound always replaces the old one, even one that cannot play
        return;
    }
    SDL_LockAudioDevice(g_audio);
    g_voice = Voice{samples, 0, loop, true};
    SDL_UnlockAudioDevice(g_audio);
    SDL_PauseAudioDevice(g_audio, 0);
}

void stop_sound() {
    g_silentUntil = 0;
    if (g_audio == 0) return;
    SDL_LockAudioDevice(g_audio);
    g_voice.active = false;
    SDL_UnlockAudioDevice(g_audio);
    SDL_PauseAudioDevice(g_audio, 1);
}

bool sound_playing() {
    if (g_audio == 0) return g_silentUntil == 0xFFFFFFFFu || SDL_GetTicks() < g_silentUntil;
    SDL_LockAudioDevice(g_audio);
    bool active = g_voice.active;
    SDL_UnlockAudioDevice(g_audio);
    return active;
}

}  // namespace platform

bool gtk_ready() {
    if (platform::screen_depth() < 15 || !gtk_boxes_available()) return false;
    keep_x_errors_harmless();  // GTK installs its own handler when it starts
    return true;
}
