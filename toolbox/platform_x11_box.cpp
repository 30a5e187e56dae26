// Our own message box, straight on X11, for the screens GTK cannot draw on: a screen of 8 bits
// per pixel takes its colours from a colour map, so the box asks the screen's default map for
// the few colours its face uses and draws with those. Centred on the screen, keeping inside it,
// with the keyboard focus; Return presses the focused button, Escape or closing the window
// answers -1, Tab and the arrows move the focus, and a click on a button presses it.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>
#include <poll.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "toolbox/box_face.h"
#include "toolbox/platform.h"
#include "toolbox/platform_sdl.h"

namespace {

constexpr int kWaitSlice = 250;  // milliseconds between looks at an ending signal

// The screen's pixel values for face colours: computed on a true-colour screen, asked of the
// colour map elsewhere (the nearest colour already had when the map is full).
class ScreenColours {
   public:
    ScreenColours(Display* display, int screen) : display_(display) {
        visual_ = DefaultVisual(display, screen);
        colormap_ = DefaultColormap(display, screen);
        trueColour_ = visual_->c_class == TrueColor;
        black_ = BlackPixel(display, screen);
        white_ = WhitePixel(display, screen);
    }
    ~ScreenColours() {
        if (!allocated_.empty()) {
            XFreeColors(display_, colormap_, allocated_.data(), static_cast<int>(allocated_.size()),
                        0);
        }
    }
    ScreenColours(const ScreenColours&) = delete;
    ScreenColours& operator=(const ScreenColours&) = delete;

    bool few() const { return !trueColour_; }

    unsigned long pixel(uint32_t rgb) {
        if (trueColour_) {
            return channel(rgb >> 16, visual_->red_mask) | channel(rgb >> 8, visual_->green_mask) |
                   channel(rgb, visual_->blue_mask);
        }
        auto found = known_.find(rgb);
        if (found != known_.end()) return found->second;
        XColor c{};
        c.red = static_cast<unsigned short>(((rgb >> 16) & 0xFF) * 257);
        c.green = static_cast<unsigned short>(((rgb >> 8) & 0xFF) * 257);
        c.blue = static_cast<unsigned short>((rgb & 0xFF) * 257);
        unsigned long value = nearest_known(rgb);
        if (XAllocColor(display_, colormap_, &c) != 0) {
            value = c.pixel;
            allocated_.push_back(c.pixel);
            had_.emplace(rgb, c.pixel);
        }
        known_.emplace(rgb, value);
        return value;
    }

   private:
    static unsigned long channel(uint32_t value, unsigned long mask) {
        if (mask == 0) return 0;
        int shift = 0;
        while (((mask >> shift) & 1) == 0) ++shift;
        unsigned long bits = mask >> shift;
        return (((value & 0xFF) * bits + 127) / 255) << shift;
    }
    unsigned long nearest_known(uint32_t rgb) const {
        auto distance = [](uint32_t a, uint32_t b) {
            long d = 0;
            for (int shift : {0, 8, 16}) {
                long x =
                    static_cast<long>((a >> shift) & 0xFF) - static_cast<long>((b >> shift) & 0xFF);
                d += x * x;
            }
            return d;
        };
        unsigned long best = distance(rgb, 0) < distance(rgb, 0xFFFFFF) ? black_ : white_;
        long bestDistance = std::min(distance(rgb, 0), distance(rgb, 0xFFFFFF));
        for (const auto& [known, value] : had_) {
            if (long d = distance(rgb, known); d < bestDistance) {
                bestDistance = d;
                best = value;
            }
        }
        return best;
    }

    Display* display_;
    Visual* visual_;
    Colormap colormap_;
    bool trueColour_;
    unsigned long black_;
    unsigned long white_;
    std::map<uint32_t, unsigned long> known_;  // every colour asked for
    std::map<uint32_t, unsigned long> had_;    // those the map gave exactly
    std::vector<unsigned long> allocated_;
};

class BoxWindow {
   public:
    BoxWindow(Display* display, tb::BoxIcon icon, bool yesNo, const char* title, const char* text)
        : display_(display),
          screen_(DefaultScreen(display)),
          colours_(display, screen_),
          icon_(icon),
          yesNo_(yesNo),
          text_(text != nullptr ? text : "") {
        screenWidth_ = DisplayWidth(display, screen_);
        screenHeight_ = DisplayHeight(display, screen_);
        draw();
        create(title);
    }
    ~BoxWindow() {
        if (image_ != nullptr) XDestroyImage(image_);
        if (window_ != 0) XDestroyWindow(display_, window_);
        XFlush(display_);
    }
    BoxWindow(const BoxWindow&) = delete;
    BoxWindow& operator=(const BoxWindow&) = delete;

    int run() {
        const int wake = sdl_platform::ending_wake_fd();
        for (;;) {
            if (platform::ending_signal() != 0) return -1;
            while (XPending(display_) > 0) {
                XEvent e;
                XNextEvent(display_, &e);
                if (int answer = handle(e); answer != kNoAnswer) return answer;
            }
            pollfd fds[2] = {{ConnectionNumber(display_), POLLIN, 0}, {wake, POLLIN, 0}};
            if (poll(fds, wake >= 0 ? 2 : 1, kWaitSlice) < 0 && errno != EINTR) return -1;
        }
    }

   private:
    static constexpr int kNoAnswer = INT_MIN;

    void draw() {
        face_ = tb::draw_box_face(icon_, yesNo_, text_.c_str(), screenWidth_, screenHeight_, state_,
                                  colours_.few() ? 5 : 256);
        if (image_ == nullptr) {
            const int depth = DefaultDepth(display_, screen_);
            image_ = XCreateImage(display_, DefaultVisual(display_, screen_),
                                  static_cast<unsigned>(depth), ZPixmap, 0, nullptr,
                                  static_cast<unsigned>(face_.width),
                                  static_cast<unsigned>(face_.height), 32, 0);
            if (image_ == nullptr) return;
            image_->data = static_cast<char*>(std::calloc(
                static_cast<size_t>(image_->bytes_per_line), static_cast<size_t>(face_.height)));
            if (image_->data == nullptr) {
                XDestroyImage(image_);
                image_ = nullptr;
                return;
            }
        }
        for (int y = 0; y < face_.height; ++y) {
            for (int x = 0; x < face_.width; ++x) {
                XPutPixel(image_, x, y,
                          colours_.pixel(face_.pixels[static_cast<size_t>(y) * face_.width + x]));
            }
        }
    }

    void show() {
        if (image_ == nullptr || window_ == 0) return;
        XPutImage(display_, window_, DefaultGC(display_, screen_), image_, 0, 0, 0, 0,
                  static_cast<unsigned>(face_.width), static_cast<unsigned>(face_.height));
        XFlush(display_);
    }

    void redraw() {
        draw();
        show();
    }

    void create(const char* title) {
        const Window root = RootWindow(display_, screen_);
        const int x = std::max(0, (screenWidth_ - face_.width) / 2);
        const int y = std::max(0, (screenHeight_ - face_.height) / 2);
        XSetWindowAttributes attributes{};
        attributes.background_pixel = colours_.pixel(0xFFF8E1);
        attributes.border_pixel = BlackPixel(display_, screen_);
        attributes.colormap = DefaultColormap(display_, screen_);
        attributes.event_mask =
            ExposureMask | KeyPressMask | ButtonPressMask | ButtonReleaseMask | StructureNotifyMask;
        window_ =
            XCreateWindow(display_, root, x, y, static_cast<unsigned>(face_.width),
                          static_cast<unsigned>(face_.height), 0, DefaultDepth(display_, screen_),
                          InputOutput, DefaultVisual(display_, screen_),
                          CWBackPixel | CWBorderPixel | CWColormap | CWEventMask, &attributes);

        XStoreName(display_, window_, title);
        Atom utf8 = XInternAtom(display_, "UTF8_STRING", False);
        XChangeProperty(display_, window_, XInternAtom(display_, "_NET_WM_NAME", False), utf8, 8,
                        PropModeReplace, reinterpret_cast<const unsigned char*>(title),
                        static_cast<int>(std::strlen(title)));
        XClassHint classHint{const_cast<char*>("tintamar"), const_cast<char*>("Tintamar")};
        XSetClassHint(display_, window_, &classHint);
        XWMHints wmHints{};
        wmHints.flags = InputHint;
        wmHints.input = True;
        XSetWMHints(display_, window_, &wmHints);
        XSizeHints size{};
        size.flags = USPosition | PPosition | PMinSize | PMaxSize;
        size.x = x;
        size.y = y;
        size.min_width = size.max_width = face_.width;
        size.min_height = size.max_height = face_.height;
        XSetWMNormalHints(display_, window_, &size);
        deleteWindow_ = XInternAtom(display_, "WM_DELETE_WINDOW", False);
        XSetWMProtocols(display_, window_, &deleteWindow_, 1);
        Atom type = XInternAtom(display_, "_NET_WM_WINDOW_TYPE_DIALOG", False);
        XChangeProperty(display_, window_, XInternAtom(display_, "_NET_WM_WINDOW_TYPE", False),
                        XA_ATOM, 32, PropModeReplace, reinterpret_cast<unsigned char*>(&type), 1);
        Atom above = XInternAtom(display_, "_NET_WM_STATE_ABOVE", False);
        XChangeProperty(display_, window_, XInternAtom(display_, "_NET_WM_STATE", False), XA_ATOM,
                        32, PropModeReplace, reinterpret_cast<unsigned char*>(&above), 1);
        XMapRaised(display_, window_);
        XFlush(display_);
    }

    int answer_of(int button) const {
        return button >= 0 && button < face_.buttonCount ? face_.answers[button] : -1;
    }

    int handle(const XEvent& e) {
        switch (e.type) {
            case MapNotify:
                // Without a window manager nobody gives the box the keyboard focus.
                XSetInputFocus(display_, window_, RevertToParent, CurrentTime);
                return kNoAnswer;
            case Expose:
                if (e.xexpose.count == 0) show();
                return kNoAnswer;
            case ClientMessage:
                if (static_cast<Atom>(e.xclient.data.l[0]) == deleteWindow_) return -1;
                return kNoAnswer;
            case KeyPress:
                return key(XLookupKeysym(const_cast<XKeyEvent*>(&e.xkey), 0));
            case ButtonPress:
                if (e.xbutton.button == Button1) {
                    state_.pressed = tb::box_face_button_at(face_, e.xbutton.x, e.xbutton.y);
                    if (state_.pressed >= 0) redraw();
                }
                return kNoAnswer;
            case ButtonRelease:
                if (e.xbutton.button == Button1 && state_.pressed >= 0) {
                    const int pressed = state_.pressed;
                    state_.pressed = -1;
                    if (tb::box_face_button_at(face_, e.xbutton.x, e.xbutton.y) == pressed) {
                        return answer_of(pressed);
                    }
                    redraw();
                }
                return kNoAnswer;
            default:
                return kNoAnswer;
        }
    }

    int key(KeySym sym) {
        switch (sym) {
            case XK_Return:
            case XK_KP_Enter:
            case XK_space:
                return answer_of(state_.focused);
            case XK_Escape:
                return -1;
            case XK_Tab:
            case XK_ISO_Left_Tab:
            case XK_Left:
            case XK_Right:
                state_.focused = (state_.focused + 1) % face_.buttonCount;
                redraw();
                return kNoAnswer;
            case XK_y:
                return yesNo_ ? 1 : kNoAnswer;
            case XK_n:
                return yesNo_ ? 0 : kNoAnswer;
            default:
                return kNoAnswer;
        }
    }

    Display* display_;
    int screen_;
    ScreenColours colours_;
    tb::BoxIcon icon_;
    bool yesNo_;
    std::string text_;
    int screenWidth_ = 0;
    int screenHeight_ = 0;
    tb::BoxFaceState state_;
    tb::BoxFace face_;
    XImage* image_ = nullptr;
    Window window_ = 0;
    Atom deleteWindow_ = 0;
};

}  // namespace

namespace sdl_platform {

int x11_message_box(tb::BoxIcon icon, bool yesNo, const char* title, const char* text) {
    if (platform::ending_signal() != 0) return -1;
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        // Nowhere to show it: the text still reaches whoever reads the program's output.
        std::fprintf(stderr, "tintamar: %s %s\n", title, text);
        return -1;
    }
    int answer = -1;
    {
        BoxWindow box(display, icon, yesNo, title, text);
        answer = box.run();
    }
    XCloseDisplay(display);
    return answer;
}

}  // namespace sdl_platform
