// Starts a program and reports when its window appeared and when its first frame reached the
// screen (a given pixel of the root window stopped being black), in milliseconds from start.
// Usage: frame_probe X Y PROGRAM   (prints "mapped_ms frame_ms pid"; leaves the program running)
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <spawn.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

extern char** environ;

namespace {

bool has_viewable_child(Display* d, Window root) {
    Window r = 0, parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(d, root, &r, &parent, &children, &count) == 0) return false;
    bool found = false;
    for (unsigned int i = 0; i < count && !found; ++i) {
        XWindowAttributes a;
        char* name = nullptr;
        if (XFetchName(d, children[i], &name) != 0 && name != nullptr) {
            found = std::strcmp(name, "Tintamar") == 0 &&
                    XGetWindowAttributes(d, children[i], &a) != 0 && a.map_state == IsViewable;
            XFree(name);
        }
    }
    if (children != nullptr) XFree(children);
    return found;
}

}  // namespace

unsigned long pixel_at(Display* d, Window root, int x, int y) {
    XImage* image = XGetImage(d, root, x, y, 1, 1, AllPlanes, ZPixmap);
    if (image == nullptr) return 0;
    unsigned long value = XGetPixel(image, 0, 0) & 0xFFFFFF;
    XDestroyImage(image);
    return value;
}

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: frame_probe X Y PROGRAM [--room [--escape]]\n");
        return 2;
    }
    int x = std::atoi(argv[1]);
    int y = std::atoi(argv[2]);
    // --room: the first frame is the intro; also wait for the room, whose picture is white
    // there. --escape: press Escape as soon as the intro shows.
    const bool room = argc > 4 && std::strcmp(argv[4], "--room") == 0;
    const bool escape = room && argc > 5 && std::strcmp(argv[5], "--escape") == 0;
    Display* d = XOpenDisplay(nullptr);
    if (d == nullptr) return 1;
    Window root = DefaultRootWindow(d);
    auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    char* args[] = {argv[3], nullptr};
    if (posix_spawn(&pid, argv[3], nullptr, nullptr, args, environ) != 0) return 1;
    auto ms = [&] {
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
            .count();
    };
    double mapped = -1;
    double frame = -1;
    double shown = -1;
    while (ms() < 20000 && (frame < 0 || (room && shown < 0))) {
        if (mapped < 0 && has_viewable_child(d, root)) mapped = ms();
        if (mapped >= 0) {
            unsigned long value = pixel_at(d, root, x, y);
            if (frame < 0 && value != 0) {
                frame = ms();
                if (escape && std::system("xdotool key Escape") != 0) return 1;
            } else if (frame >= 0 && value == 0xFFFFFF) {
                shown = ms();
            }
        }
        usleep(500);
    }
    if (room)
        std::printf("%.1f %.1f %.1f %d\n", mapped, frame, shown, static_cast<int>(pid));
    else
        std::printf("%.1f %.1f %d\n", mapped, frame, static_cast<int>(pid));
    XCloseDisplay(d);
    return frame < 0 || (room && shown < 0) ? 1 : 0;
}
