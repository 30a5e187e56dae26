// The things SDL cannot tell, asked of the X server directly: the screen's true depth and size,
// the pointer and keyboard as they are now, the single-instance lock and the running copy's
// window, and an error handler that never ends the program.
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
#include <string>

#include "toolbox/platform.h"
#include "toolbox/platform_sdl.h"
#include "toolbox/room_scale.h"

using sdl_platform::keep_x_errors_harmless;
using sdl_platform::kWindowClass;
using sdl_platform::query_display;

namespace {

int g_lockFd = -1;

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

// A stray X error (a request about a window that another client just destroyed, say) must
// never end the program: Xlib's own handler exits. Ours notes it and carries on.
int ignore_x_error(Display* display, XErrorEvent* error) {
    char text[256] = {};
    XGetErrorText(display, error->error_code, text, sizeof text);
    std::fprintf(stderr, "tintamar: X error ignored: %s (request %d)\n", text, error->request_code);
    return 0;
}

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

}  // namespace

namespace sdl_platform {

// A connection of our own for polling the pointer and the keyboard: the X server answers
// with the state as it is now, focus or not, where SDL's copy may lag behind.
Display* query_display() {
    static Display* display = XOpenDisplay(nullptr);
    return display;
}

void keep_x_errors_harmless() { XSetErrorHandler(ignore_x_error); }

}  // namespace sdl_platform

namespace platform {

bool display_available() {
    keep_x_errors_harmless();  // before the first connection to the X server
    Display* d = XOpenDisplay(nullptr);
    if (d != nullptr) {
        XCloseDisplay(d);
        return true;
    }
    const char* name = std::getenv("DISPLAY");
    if (name == nullptr || name[0] == 0) {
        std::fprintf(stderr,
                     "tintamar: there is no display to open the window on (DISPLAY is not set);"
                     " start Tintamar from the desktop\n");
    } else {
        std::fprintf(stderr,
                     "tintamar: cannot open the X display \"%s\" to show the window on: no X "
                     "server answers there, or it does not let this user in\n",
                     name);
    }
    return false;
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
    g_lockFd = open(lock_path().c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (g_lockFd < 0) return true;  // cannot tell: let this copy run
    // The kernel drops the lock when the process ends, however it ends.
    if (flock(g_lockFd, LOCK_EX | LOCK_NB) == 0) return true;
    close(g_lockFd);
    g_lockFd = -1;
    raise_running_copy();
    return false;
}

// The main window covers the screen from its top-left corner, so the screen's pixels map to
// the room's like the window's.
Point pointer_position() {
    return room_scale::to_room(room_scale::current(), query_pointer().screen);
}

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

}  // namespace platform
