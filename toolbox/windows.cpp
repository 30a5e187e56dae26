// The window table: the one main window (and, for completeness, off-screen extras), its
// pixels, and the events the main loop takes from it.
#include <algorithm>
#include <cstring>

#include "resources/resource_ids.h"
#include "resources/resources.h"
#include "toolbox/internal.h"
#include "toolbox/platform.h"
#include "toolbox/room_scale.h"

using namespace tb;

namespace {

constexpr NativeWindow kMainNative = 1;

// Gives a window fresh pixels of the rect's size, keeping what still fits of the old ones.
void resize_pixels(WindowSlot& w, int32_t width, int32_t height) {
    DibImage fresh;
    tb_CreateSection24(&fresh, std::max(width, 1), std::max(height, 1));
    if (fresh.header == nullptr) return;
    if (w.pixels.header != nullptr) {
        int32_t cw = std::min(width, w.pixels.header->width);
        int32_t ch = std::min(height, w.pixels.header->height);
        tb_CopyRows(&w.pixels, 0, 0, cw, ch, &fresh, 0, 0, 0);
        tb_FreeDibImage(&w.pixels);
    }
    w.pixels = fresh;
}

WindowSlot* slot_of(WindowRef window) {
    return valid_window(window) ? &g_windows[window - TB_WINDOW_BASE] : nullptr;
}

}  // namespace

WindowRef tb_OpenWindow(const Rect* rect, const char* title) {
    int32_t slot = -1;
    for (int32_t i = 0; i < TB_MAX_WINDOWS; ++i) {
        if (g_windows[i].free != 0) {
            slot = i;
            break;
        }
    }
    if (slot < 0) {
        tb_Error("No more available Windows! (tb_OpenWindow)");
        return -1;
    }
    WindowSlot& w = g_windows[slot];
    bool isMain = g_mainWindow == -1;
    if (isMain && !platform::open_window(*rect, title)) {
        tb_Error("Failed to create Window! (tb_OpenWindow)");
        return -1;
    }
    w = WindowSlot{};
    w.native = isMain ? kMainNative : 100 + slot;
    w.screenRect = *rect;
    resize_pixels(w, rect->right - rect->left, rect->bottom - rect->top);
    w.free = 0;
    WindowRef handle = TB_WINDOW_BASE + slot;
    if (isMain) {
        g_mainWindow = handle;
        ResourceBytes icon = find_resource(ResourceKind::Icon, kIconProgram);
        if (icon.size > 8) {
            uint16_t f[4];
            std::memcpy(f, icon.data, sizeof f);
            if (icon.size >= 8 + size_t{f[0]} * f[1] * 4)
                platform::set_window_icon(icon.data + 8, f[0], f[1]);
        }
        present_window(slot, Rect{0, 0, w.pixels.header->width, w.pixels.header->height});
    }
    return handle;
}

void tb_DisposeOfWindow(WindowRef window) {
    int32_t slot = window - TB_WINDOW_BASE;
    if (slot < 0 || slot >= TB_MAX_WINDOWS || g_windows[slot].native == 0) {
        tb_Error("Invalid window hanlde, can't destroy! (tb_DisposeOfWindow)");
        return;
    }
    WindowSlot& w = g_windows[slot];
    if (w.native == kMainNative) platform::close_window();
    tb_FreeDibImage(&w.pixels);
    w.native = 0;
    w.free = 1;
}

void tb_GetClientRect(WindowRef window, Rect* rect) {
    WindowSlot* w = slot_of(window);
    if (w == nullptr) {
        tb_Error("Invalid window! (tb_GetClientRect)");
        return;
    }
    *rect = Rect{0, 0, w->screenRect.right - w->screenRect.left,
                 w->screenRect.bottom - w->screenRect.top};
}

void tb_GetWindowRect(WindowRef window, Rect* rect) {
    WindowSlot* w = slot_of(window);
    if (w == nullptr) {
        tb_Error("Invalid window! (tb_GetWindowRect)");
        return;
    }
    *rect = w->screenRect;
}

void tb_SetWindowTitle(WindowRef window, const char* /*title*/) {
    if (slot_of(window) == nullptr) {
        tb_Error("Invalid window! (tb_SetWindowTitle)");
    }
    // The main window is borderless: its title is never shown.
}

NativeWindow tb_GetNativeWindow(WindowRef window) {
    WindowSlot* w = slot_of(window);
    return w != nullptr ? w->native : 0;
}

WindowRef tb_GetMainWindow() { return g_mainWindow; }

void tb_MoveWindow(WindowRef window, const Rect* rect) {
    WindowSlot* w = slot_of(window);
    if (w == nullptr) return;
    bool resized = (rect->right - rect->left) != (w->screenRect.right - w->screenRect.left) ||
                   (rect->bottom - rect->top) != (w->screenRect.bottom - w->screenRect.top);
    w->screenRect = *rect;
    if (resized) resize_pixels(*w, rect->right - rect->left, rect->bottom - rect->top);
    if (w->native == kMainNative) platform::move_window(*rect);
}

int32_t tb_GetScreenDepth() { return platform::screen_depth(); }

void tb_GetDesktopRect(Rect* rect) {
    *rect = room_scale::to_room(room_scale::current(), platform::desktop_rect());
}

int32_t tb_GetEvent(TbEvent* event, int32_t wait) {
    return platform::next_event(event, wait != 0, -1) ? 1 : 0;
}

void tb_PostQuit(int32_t exitCode) {
    TbEvent quit;
    quit.kind = TB_EVENT_QUIT;
    quit.key = exitCode;
    platform::post_event(quit);
}

int32_t tb_RegisterWindowClass() {
    platform::watch_end_signals();
    // No display, no lock: a copy that cannot show itself must not stop the next one.
    if (!platform::display_available()) return -1;
    if (!platform::claim_single_instance()) return 0;
    return platform::start() ? 1 : -1;
}

int32_t tb_EndingSignal() { return platform::ending_signal(); }

void tb_CloseWindowSystem() { platform::stop(); }
