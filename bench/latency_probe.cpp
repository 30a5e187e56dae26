// Input to screen, measured from outside the program: sends pointer input to the running
// program with XTest and polls the screen (the root window) until the pixel that input must
// change shows its new colour. The harness's own floor is measured the same way, with a helper
// X client (a child process) that paints one pixel of a tiny window of its own when told.
//
// Usage: latency_probe ROUNDS OUTPUT LABEL [SCALE]
//   The program must be running full screen on $DISPLAY, just started (blank picture, pencil
//   in hand, red colour), at room scale SCALE (default 1): its room is the screen's size / SCALE
//   and every room pixel an SCALE x SCALE block. Points below are in room pixels. Appends one line
//   "LABEL CASE MILLISECONDS" per sample to OUTPUT; a sample that never showed is written as -1.
//   Exits 1 when the program does not answer.
//
// Cases, ROUNDS samples each: floor (the helper's pixel), fill (paint pot over the whole
// picture), dot (a press with the pencil), move (a 30-pixel move with the button held), undo
// (the undo button after a dot) and shelf (a shelf button). Between samples the harness waits
// until the program has handled everything sent so far (a button lights and goes out again).
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr double kTimeoutMs = 10000;
constexpr uint32_t kRed = 0xFF0000;
constexpr uint32_t kGreen = 0x00FF00;
constexpr uint32_t kBlue = 0x0000FF;

double ms_since(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct Point {
    int x;
    int y;
};

// The program's room on a W x H screen (window = screen), D = H - 480.
struct Room {
    int w = 0;
    int h = 0;
    int d() const { return h - 480; }
    int left() const { return 147; }
    int top() const { return 16; }
    int right() const { return w - 19; }
    int bottom() const { return h - 96; }
    Point pencil() const { return {395, h - 30}; }
    Point paintPot() const { return {288, h - 36}; }
    Point redPot() const { return {570, h - 90}; }
    Point greenPot() const { return {531, h - 83}; }
    Point bluePot() const { return {573, h - 80}; }
    Point undoButton() const { return {136, d() + 380}; }
    Point shelf0Button() const { return {25, d() + 210}; }
    Point shelf1Button() const { return {30, d() + 100}; }
    Point printButton() const { return {24, d() + 305}; }
    // The print button's highlight rectangle (x, y, width, height).
    int printLitTop() const { return d() + 246; }
};

class Harness {
   public:
    Harness(Display* d, int scale) : d_(d), root_(DefaultRootWindow(d)), scale_(scale) {
        room_.w = DisplayWidth(d, DefaultScreen(d)) / scale;
        room_.h = DisplayHeight(d, DefaultScreen(d)) / scale;
    }
    const Room& room() const { return room_; }
    int scale() const { return scale_; }

    // The room pixel's colour, read at the centre of its block.
    uint32_t pixel(int x, int y) {
        return screen_pixel(x * scale_ + scale_ / 2, y * scale_ + scale_ / 2);
    }

    uint32_t screen_pixel(int x, int y) {
        XImage* image = XGetImage(d_, root_, x, y, 1, 1, AllPlanes, ZPixmap);
        if (image == nullptr) return 0;
        auto value = static_cast<uint32_t>(XGetPixel(image, 0, 0) & 0xFFFFFF);
        XDestroyImage(image);
        return value;
    }

    // Polls until the room pixel is `colour`; the time from `start`, or -1 after the timeout.
    double wait_pixel(int x, int y, uint32_t colour, Clock::time_point start) {
        return wait_screen_pixel(x * scale_ + scale_ / 2, y * scale_ + scale_ / 2, colour, start);
    }
    double wait_screen_pixel(int x, int y, uint32_t colour, Clock::time_point start) {
        while (ms_since(start) < kTimeoutMs) {
            if (screen_pixel(x, y) == colour) return ms_since(start);
        }
        return -1;
    }

    // The screen's bytes (4 a pixel) over a room rectangle: w * scale pixels a row.
    std::vector<uint8_t> region(int x, int y, int w, int h) {
        x *= scale_;
        y *= scale_;
        w *= scale_;
        h *= scale_;
        std::vector<uint8_t> bytes;
        XImage* image = XGetImage(d_, root_, x, y, static_cast<unsigned>(w),
                                  static_cast<unsigned>(h), AllPlanes, ZPixmap);
        if (image == nullptr) return bytes;
        for (int row = 0; row < h; ++row) {
            const char* p = image->data + static_cast<size_t>(row) * image->bytes_per_line;
            bytes.insert(bytes.end(), p, p + static_cast<size_t>(w) * 4);
        }
        XDestroyImage(image);
        return bytes;
    }

    bool wait_region(int x, int y, int w, int h, const std::vector<uint8_t>& than, bool same) {
        Clock::time_point start = Clock::now();
        while (ms_since(start) < kTimeoutMs) {
            if ((region(x, y, w, h) == than) == same) return true;
            usleep(1000);
        }
        return false;
    }

    void move(Point p) {
        XTestFakeMotionEvent(d_, DefaultScreen(d_), p.x * scale_ + scale_ / 2,
                             p.y * scale_ + scale_ / 2, CurrentTime);
        XFlush(d_);
    }
    void button(bool down) {
        XTestFakeButtonEvent(d_, 1, down ? True : False, CurrentTime);
        XFlush(d_);
    }
    void click(Point p) {
        move(p);
        button(true);
        button(false);
    }

    // Waits until the program has handled everything sent to it so far: the print button
    // lights when the pointer comes over it and goes out when it leaves, and the program
    // handles its input in order. Use it with the mouse button up.
    bool settle() {
        const Room& r = room_;
        const int top = r.printLitTop();
        std::vector<uint8_t> unlit = region(0, top, 111, 91);
        move(r.printButton());
        if (!wait_region(0, top, 111, 91, unlit, false)) return false;
        move(Point{r.left() + 5, r.top() + 5});
        return wait_region(0, top, 111, 91, unlit, true);
    }

    // A short pause after a move, so that the measured input does not also carry the move.
    static void pause() { usleep(10000); }

   private:
    Display* d_;
    Window root_;
    int scale_;
    Room room_;
};

// The floor: a helper X client of its own (a child process) paints one pixel of its own
// one-pixel window when the harness writes a colour to it.
class FloorHelper {
   public:
    bool start(int x, int y) {
        x_ = x;
        y_ = y;
        int toChild[2];
        int fromChild[2];
        if (pipe(toChild) != 0 || pipe(fromChild) != 0) return false;
        pid_ = fork();
        if (pid_ < 0) return false;
        if (pid_ == 0) {
            close(toChild[1]);
            close(fromChild[0]);
            run(toChild[0], fromChild[1]);
            _exit(0);
        }
        close(toChild[0]);
        close(fromChild[1]);
        to_ = toChild[1];
        char ready = 0;
        bool ok = read(fromChild[0], &ready, 1) == 1;
        close(fromChild[0]);
        return ok;
    }
    void paint(uint32_t colour) {
        if (write(to_, &colour, sizeof colour) != sizeof colour) std::perror("floor helper");
    }
    void stop() {
        if (to_ >= 0) close(to_);
        to_ = -1;
    }
    Point where() const { return {x_, y_}; }

   private:
    void run(int in, int out) {
        Display* d = XOpenDisplay(nullptr);
        if (d == nullptr) return;
        XSetWindowAttributes a{};
        a.override_redirect = True;
        a.background_pixel = 0;
        a.event_mask = ExposureMask;
        Window w =
            XCreateWindow(d, DefaultRootWindow(d), x_, y_, 1, 1, 0, CopyFromParent, InputOutput,
                          CopyFromParent, CWOverrideRedirect | CWBackPixel | CWEventMask, &a);
        XMapRaised(d, w);
        XEvent e;
        do {
            XNextEvent(d, &e);
        } while (e.type != Expose);
        GC gc = XCreateGC(d, w, 0, nullptr);
        char ready = 1;
        if (write(out, &ready, 1) != 1) return;
        close(out);
        uint32_t colour = 0;
        while (read(in, &colour, sizeof colour) == sizeof colour) {
            XSetForeground(d, gc, colour);
            XFillRectangle(d, w, gc, 0, 0, 1, 1);
            XFlush(d);
        }
        XCloseDisplay(d);
    }

    int x_ = 0;
    int y_ = 0;
    pid_t pid_ = -1;
    int to_ = -1;
};

struct Output {
    FILE* file;
    std::string label;
    void sample(const char* name, double ms) {
        std::fprintf(file, "%s %s %.4f\n", label.c_str(), name, ms);
        std::fflush(file);
    }
};

// Spots for dots and moves, `spacing` apart in rows 12 pixels apart from `row` on, none used
// twice.
struct Spots {
    const Room& r;
    int row;
    int spacing;
    int next = 0;
    int columns() const { return std::max(1, (r.right() - r.left() - 80) / spacing); }
    int rows_used() const { return next / columns() + 1; }
    Point take() {
        int i = next++;
        return {r.left() + 20 + (i % columns()) * spacing,
                r.top() + 20 + (row + i / columns()) * 12};
    }
};

bool run_cases(Harness& s, FloorHelper& floor, int rounds, Output& out) {
    const Room& r = s.room();
    // The room reaches the screen in one piece, the blank picture with it: until the picture
    // shows white there is nothing to settle against.
    const Point centre{(r.left() + r.right()) / 2, (r.top() + r.bottom()) / 2};
    if (s.wait_pixel(centre.x, centre.y, 0xFFFFFF, Clock::now()) < 0) return false;
    if (!s.settle()) return false;

    // The floor, alternating two colours.
    for (int i = 0; i < rounds; ++i) {
        const uint32_t colour = (i % 2 == 0) ? 0x123456 : 0x654321;
        Clock::time_point start = Clock::now();
        floor.paint(colour);
        out.sample("floor", s.wait_screen_pixel(floor.where().x, floor.where().y, colour, start));
    }

    // Paint pot over the whole (single-coloured) picture, green and blue in turn; the far
    // corner is watched.
    s.click(r.paintPot());
    const Point fillAt{r.left() + 40, r.top() + 40};
    const Point farCorner{r.right() - 3, r.bottom() - 3};
    for (int i = 0; i < rounds; ++i) {
        const bool green = i % 2 == 0;
        s.click(green ? r.greenPot() : r.bluePot());
        if (!s.settle()) return false;
        s.move(fillAt);
        Harness::pause();
        Clock::time_point start = Clock::now();
        s.button(true);
        out.sample("fill", s.wait_pixel(farCorner.x, farCorner.y, green ? kGreen : kBlue, start));
        s.button(false);
    }

    // The pencil in red: dots, then 30-pixel moves, each on a fresh spot.
    s.click(r.pencil());
    s.click(r.redPot());
    Spots spots{r, 0, 40};  // further apart than a double-click reaches
    for (int i = 0; i < rounds; ++i) {
        if (!s.settle()) return false;
        Point p = spots.take();
        s.move(p);
        Harness::pause();
        Clock::time_point start = Clock::now();
        s.button(true);
        out.sample("dot", s.wait_pixel(p.x, p.y, kRed, start));
        s.button(false);
    }
    Spots segments{r, spots.rows_used() + 1, 40};
    for (int i = 0; i < rounds; ++i) {
        if (!s.settle()) return false;
        Point p = segments.take();
        s.move(p);
        Harness::pause();
        s.button(true);
        if (s.wait_pixel(p.x, p.y, kRed, Clock::now()) < 0) return false;
        Point q{p.x + 30, p.y};
        Clock::time_point start = Clock::now();
        s.move(q);
        out.sample("move", s.wait_pixel(q.x, q.y, kRed, start));
        s.button(false);
    }

    // Undo of a dot: the dot's pixel goes back to the picture's colour when the undo button is
    // released.
    const Point undoSpot{r.right() - 40, r.bottom() - 40};
    const uint32_t background = s.pixel(undoSpot.x, undoSpot.y);
    const int undoTop = r.d() + 341;  // the undo button's highlight (124, D+341)-(147, D+433)
    for (int i = 0; i < rounds; ++i) {
        if (!s.settle()) return false;
        s.move(undoSpot);
        Harness::pause();
        s.button(true);
        if (s.wait_pixel(undoSpot.x, undoSpot.y, kRed, Clock::now()) < 0) return false;
        s.button(false);
        if (!s.settle()) return false;
        std::vector<uint8_t> unlit = s.region(124, undoTop, 23, 92);
        s.move(r.undoButton());
        if (!s.wait_region(124, undoTop, 23, 92, unlit, false)) return false;
        s.button(true);
        Harness::pause();
        Clock::time_point start = Clock::now();
        s.button(false);
        out.sample("undo", s.wait_pixel(undoSpot.x, undoSpot.y, background, start));
    }

    // Shelf changes, 1 and 0 in turn. The watched pixel is one of the tray that differs
    // between the two shelves, found on a first change that is not timed.
    const int trayTop = r.h - 96;
    if (!s.settle()) return false;
    std::vector<uint8_t> shelf0 = s.region(185, trayTop, 283, 96);
    s.click(r.shelf1Button());
    if (!s.wait_region(185, trayTop, 283, 96, shelf0, false)) return false;
    if (!s.settle()) return false;
    std::vector<uint8_t> shelf1 = s.region(185, trayTop, 283, 96);
    size_t differs = 0;
    while (differs + 3 < shelf0.size() && std::memcmp(&shelf0[differs], &shelf1[differs], 3) == 0) {
        differs += 4;
    }
    if (differs + 3 >= shelf0.size()) return false;
    const int rowPixels = 283 * s.scale();
    const Point watched{185 + static_cast<int>((differs / 4) % rowPixels) / s.scale(),
                        trayTop + static_cast<int>((differs / 4) / rowPixels) / s.scale()};
    auto colour_in = [&](const std::vector<uint8_t>& shot) {
        return static_cast<uint32_t>(shot[differs] | (shot[differs + 1] << 8) |
                                     (shot[differs + 2] << 16));
    };
    for (int i = 0; i < rounds; ++i) {
        const bool toShelf0 = i % 2 == 0;
        const Point button = toShelf0 ? r.shelf0Button() : r.shelf1Button();
        const int litTop = toShelf0 ? r.d() + 132 : r.d() + 10;
        if (!s.settle()) return false;
        std::vector<uint8_t> unlit = s.region(0, litTop, 111, 125);
        s.move(button);
        if (!s.wait_region(0, litTop, 111, 125, unlit, false)) return false;
        s.button(true);
        Harness::pause();
        Clock::time_point start = Clock::now();
        s.button(false);
        out.sample("shelf", s.wait_pixel(watched.x, watched.y,
                                         colour_in(toShelf0 ? shelf0 : shelf1), start));
    }
    return s.settle();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4 && argc != 5) {
        std::fprintf(stderr, "usage: latency_probe ROUNDS OUTPUT LABEL [SCALE]\n");
        return 2;
    }
    const int scale = argc == 5 ? std::clamp(std::atoi(argv[4]), 1, 4) : 1;
    const int rounds = std::max(1, std::atoi(argv[1]));
    FILE* file = std::fopen(argv[2], "a");
    if (file == nullptr) {
        std::perror(argv[2]);
        return 2;
    }
    FloorHelper floor;
    if (!floor.start(2, 2)) {  // before this process opens its own connection
        std::fprintf(stderr, "latency_probe: the floor helper did not start\n");
        return 1;
    }
    Display* d = XOpenDisplay(nullptr);
    int event = 0, error = 0, major = 0, minor = 0;
    if (d == nullptr || XTestQueryExtension(d, &event, &error, &major, &minor) == 0) {
        std::fprintf(stderr, "latency_probe: no X display with XTest\n");
        return 1;
    }
    Harness harness(d, scale);
    Output out{file, argv[3]};
    const bool ok = run_cases(harness, floor, rounds, out);
    floor.stop();
    XCloseDisplay(d);
    std::fclose(file);
    if (!ok) std::fprintf(stderr, "latency_probe: the program stopped answering\n");
    return ok ? 0 : 1;
}
