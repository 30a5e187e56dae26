// Held window updates: what is drawn onto a window while its updates are held reaches the
// screen later, in one rectangle. Without a hold every drawing operation on a window shows its
// own rectangle at once, which is right for a single change but makes a picture that is taken
// back and drawn again elsewhere blink, and costs one trip to the display per operation.
#include <algorithm>
#include <cstdio>

#include "toolbox/internal.h"

using namespace tb;

namespace {

WindowSlot* held_window(WindowRef window, const char* operation) {
    if (!valid_window(window)) {
        char text[64];
        std::snprintf(text, sizeof text, "Invalid window! (%s)", operation);
        tb_Error(text);
        return nullptr;
    }
    return &g_windows[window - TB_WINDOW_BASE];
}

}  // namespace

bool tb::hold_update(WindowSlot& window, const Rect& r) {
    if (window.holding == 0) return false;
    const Rect& h = window.held;
    window.held = h.left < h.right && h.top < h.bottom
                      ? Rect{std::min(h.left, r.left), std::min(h.top, r.top),
                             std::max(h.right, r.right), std::max(h.bottom, r.bottom)}
                      : r;
    return true;
}

void tb_HoldWindowUpdates(WindowRef window) {
    WindowSlot* w = held_window(window, "tb_HoldWindowUpdates");
    if (w == nullptr) return;
    w->holding = 1;
    w->held = Rect{};
}

void tb_ShowWindowUpdates(WindowRef window) {
    WindowSlot* w = held_window(window, "tb_ShowWindowUpdates");
    if (w == nullptr) return;
    const Rect shown = w->held;
    w->holding = 0;
    w->held = Rect{};
    if (shown.left < shown.right && shown.top < shown.bottom) {
        present_window(window - TB_WINDOW_BASE, shown);
    }
}
