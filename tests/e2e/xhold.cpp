// Holds a process the moment a window of its appears, for the end-to-end tests: waits for a
// top-level window named TITLE to be mapped, stops process PID at once (SIGSTOP) and prints
// the window's id. A window that lives only a moment (the print-abort window while a page goes
// out) can then be looked at and pressed at leisure: the X server queues the input, and the
// test lets the process go on (SIGCONT). Prints "listening" once it watches for the window,
// and the window's id once the process has stopped. Exits 1 when no such window appears, or
// the process does not stop, within SECONDS.
//   xhold TITLE PID SECONDS
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <sys/select.h>
#include <time.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>

namespace {

std::string window_name(Display* display, Window window) {
    XTextProperty text{};
    std::string name;
    if (XGetWMName(display, window, &text) != 0 && text.value != nullptr) {
        name.assign(reinterpret_cast<const char*>(text.value), text.nitems);
        XFree(text.value);
    }
    return name;
}

bool is_viewable(Display* display, Window window) {
    XWindowAttributes attributes{};
    return XGetWindowAttributes(display, window, &attributes) != 0 &&
           attributes.map_state == IsViewable;
}

int ignore_errors(Display* /*display*/, XErrorEvent* /*error*/) { return 0; }

// The signal takes effect when the process next runs: wait until the kernel says it stopped.
bool stopped(pid_t pid) {
    char path[64];
    std::snprintf(path, sizeof path, "/proc/%d/stat", static_cast<int>(pid));
    FILE* f = std::fopen(path, "r");
    if (f == nullptr) return false;
    char line[512] = {};
    bool isStopped =
        std::fgets(line, sizeof line, f) != nullptr && std::strstr(line, ") T ") != nullptr;
    std::fclose(f);
    return isStopped;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: xhold TITLE PID SECONDS\n");
        return 2;
    }
    const std::string title = argv[1];
    const pid_t pid = static_cast<pid_t>(std::atol(argv[2]));
    const time_t deadline = std::time(nullptr) + std::atol(argv[3]);
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) return 1;
    XSetErrorHandler(ignore_errors);  // windows come and go while we look at them
    Window root = DefaultRootWindow(display);
    // Listen first, then look at what is there already: nothing slips between the two.
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);
    std::printf("listening\n");
    std::fflush(stdout);

    Window found = 0;
    Window rootReturn = 0, parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(display, root, &rootReturn, &parent, &children, &count) != 0) {
        for (unsigned int i = 0; i < count && found == 0; ++i) {
            if (window_name(display, children[i]) == title && is_viewable(display, children[i]))
                found = children[i];
        }
        if (children != nullptr) XFree(children);
    }
    const int fd = ConnectionNumber(display);
    while (found == 0 && std::time(nullptr) < deadline) {
        if (XPending(display) == 0) {
            fd_set readable;
            FD_ZERO(&readable);
            FD_SET(fd, &readable);
            timeval wait{0, 100000};
            select(fd + 1, &readable, nullptr, nullptr, &wait);
            continue;
        }
        XEvent e;
        XNextEvent(display, &e);
        if (e.type == MapNotify && window_name(display, e.xmap.window) == title)
            found = e.xmap.window;
    }
    if (found == 0) return 1;
    kill(pid, SIGSTOP);
    while (!stopped(pid)) {
        if (std::time(nullptr) >= deadline) return 1;
        timespec pause{0, 1000000};
        nanosleep(&pause, nullptr);
    }
    std::printf("0x%lx\n", static_cast<unsigned long>(found));
    XCloseDisplay(display);
    return 0;
}
