// Waits until a pixel of the screen has a colour and prints the moment it saw it (the
// system's real-time clock, in nanoseconds), for timing what the program shows.
// Usage: pixel_wait X Y RRGGBB [TIMEOUT_MS]   (exit status 1 on timeout)
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: pixel_wait X Y RRGGBB [TIMEOUT_MS]\n");
        return 2;
    }
    const int x = std::atoi(argv[1]);
    const int y = std::atoi(argv[2]);
    const unsigned long wanted = std::strtoul(argv[3], nullptr, 16);
    const int timeout = argc > 4 ? std::atoi(argv[4]) : 20000;
    Display* d = XOpenDisplay(nullptr);
    if (d == nullptr) return 1;
    Window root = DefaultRootWindow(d);
    auto start = std::chrono::steady_clock::now();
    while (std::chrono::steady_clock::now() - start < std::chrono::milliseconds(timeout)) {
        XImage* image = XGetImage(d, root, x, y, 1, 1, AllPlanes, ZPixmap);
        if (image != nullptr) {
            unsigned long value = XGetPixel(image, 0, 0) & 0xFFFFFF;
            XDestroyImage(image);
            if (value == wanted) {
                auto now = std::chrono::system_clock::now().time_since_epoch();
                std::printf("%lld\n",
                            static_cast<long long>(
                                std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
                XCloseDisplay(d);
                return 0;
            }
        }
        usleep(200);
    }
    XCloseDisplay(d);
    return 1;
}
