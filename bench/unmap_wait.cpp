// Waits until a window disappears from the screen and prints the moment (the system's
// real-time clock, in nanoseconds), for timing what follows a dialog.
// Usage: unmap_wait WINDOW_ID   (prints "ready" first, once it is watching)
#include <X11/Xlib.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: unmap_wait WINDOW_ID\n");
        return 2;
    }
    Display* d = XOpenDisplay(nullptr);
    if (d == nullptr) return 1;
    const Window window = std::strtoul(argv[1], nullptr, 0);
    XSelectInput(d, window, StructureNotifyMask);
    XSync(d, False);
    std::printf("ready\n");
    std::fflush(stdout);
    for (;;) {
        XEvent e;
        XNextEvent(d, &e);
        if (e.type == UnmapNotify || e.type == DestroyNotify) break;
    }
    auto now = std::chrono::system_clock::now().time_since_epoch();
    std::printf("%lld\n", static_cast<long long>(
                              std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
    XCloseDisplay(d);
    return 0;
}
