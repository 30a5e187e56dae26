// Modal dialogs: a dialog is a rectangle of its own drawn over the main window's pixels,
// with a nested event loop that feeds its procedure. What lay under it comes back when it
// ends.
#include <algorithm>
#include <cstring>

#include "resources/resource_ids.h"
#include "resources/resources.h"
#include "toolbox/internal.h"
#include "toolbox/platform.h"

using namespace tb;

namespace {

constexpr int32_t kMaxDialogs = 8;
constexpr int32_t kMaxTimers = 4;
constexpr NativeWindow kFirstDialogNative = 200;

struct DialogTimer {
    int32_t id = 0;
    uint32_t period = 0;
    uint32_t due = 0;
    bool active = false;
};

struct Dialog {
    bool open = false;
    bool ended = false;
    bool pressed = false;  // the primary button went down inside and is still held
    int32_t result = 0;
    TbDialogProc proc = nullptr;
    Rect rect;       // main-window client coordinates
    DibImage under;  // main-window pixels the dialog covers
    Rect underRect;
    DialogTimer timers[kMaxTimers];
    bool pointerSeen = false;  // where the last pointer event inside the loop happened
    Point pointer;
    bool handedBack = false;  // a close or quit request went back to the main loop
};

Dialog g_dialogs[kMaxDialogs];
TbEventHandler g_mainHandler = nullptr;

Dialog* dialog_of(NativeWindow native) {
    int32_t i = native - kFirstDialogNative;
    if (i < 0 || i >= kMaxDialogs || !g_dialogs[i].open) return nullptr;
    return &g_dialogs[i];
}

DibImage* main_pixels() {
    if (!valid_window(g_mainWindow)) return nullptr;
    DibImage* img = &g_windows[g_mainWindow - TB_WINDOW_BASE].pixels;
    return img->header != nullptr ? img : nullptr;
}

Rect main_bounds() {
    DibImage* img = main_pixels();
    return img != nullptr ? Rect{0, 0, img->header->width, img->header->height} : Rect{};
}

void restore_under(Dialog& d) {
    DibImage* screen = main_pixels();
    if (d.under.header != nullptr && screen != nullptr) {
        tb_CopyRows(&d.under, 0, 0, d.under.header->width, d.under.header->height, screen,
                    d.underRect.left, d.underRect.top, 0);
        present_window(g_mainWindow - TB_WINDOW_BASE, d.underRect);
    }
    tb_FreeDibImage(&d.under);
}

void save_under(Dialog& d) {
    DibImage* screen = main_pixels();
    Rect r;
    Rect bounds = main_bounds();
    if (screen == nullptr || tb_IntersectRect(&r, &d.rect, &bounds) == 0) return;
    tb_CreateSection24(&d.under, r.right - r.left, r.bottom - r.top);
    if (d.under.header == nullptr) return;
    tb_CopyRows(screen, r.left, r.top, r.right - r.left, r.bottom - r.top, &d.under, 0, 0, 0);
    d.underRect = r;
}

int64_t pack_point(int32_t x, int32_t y) {
    return static_cast<int64_t>(static_cast<uint16_t>(x)) |
           (static_cast<int64_t>(static_cast<uint16_t>(y)) << 16);
}

int next_timeout(const Dialog& d) {
    int timeout = -1;
    uint32_t now = tb_TickCount();
    for (const DialogTimer& t : d.timers) {
        if (!t.active) continue;
        int wait = static_cast<int32_t>(t.due - now) < 0 ? 0 : static_cast<int>(t.due - now);
        timeout = timeout < 0 ? wait : std::min(timeout, wait);
    }
    return timeout;
}

void fire_timers(NativeWindow native, Dialog& d) {
    uint32_t now = tb_TickCount();
    for (DialogTimer& t : d.timers) {
        if (t.active && static_cast<int32_t>(now - t.due) >= 0) {
            t.due = now + t.period;
            d.proc(native, TB_WM_TIMER, t.id, 0);
            if (d.ended) return;
        }
    }
}

// Events the main window may answer by drawing itself again, over the dialog. The dialog's
// face is taken off first (unseen: nothing is shown until one of them draws), so that what
// is saved under the dialog afterwards is the main window's, whether it redrew or not; then
// the dialog draws its face again.
void redraw_after_main(NativeWindow native, Dialog& d, const TbEvent& e) {
    DibImage* screen = main_pixels();
    if (d.under.header != nullptr && screen != nullptr) {
        tb_CopyRows(&d.under, 0, 0, d.under.header->width, d.under.header->height, screen,
                    d.underRect.left, d.underRect.top, 0);
    }
    tb_DispatchToMain(&e);
    tb_FreeDibImage(&d.under);
    save_under(d);
    d.proc(native, TB_WM_PAINT, 0, 0);
}

bool is_pointer_event(const TbEvent& e) {
    return e.kind == TB_EVENT_MOUSE_MOVE || e.kind == TB_EVENT_BUTTON_DOWN ||
           e.kind == TB_EVENT_BUTTON_UP || e.kind == TB_EVENT_DOUBLE_CLICK ||
           e.kind == TB_EVENT_SECONDARY_DOWN;
}

// The main window sees no pointer event while a dialog runs: once the dialog has gone it is
// told where the pointer went meanwhile, so that what it shows under the pointer, and where
// it opens things at the pointer (the command menu on F1), follow the pointer.
void tell_main_where_the_pointer_is(const Dialog& d) {
    if (!d.pointerSeen || d.handedBack) return;
    TbEvent move;
    move.kind = TB_EVENT_MOUSE_MOVE;
    move.x = d.pointer.x;
    move.y = d.pointer.y;
    platform::post_event(move);
}

void handle_event(NativeWindow native, Dialog& d, const TbEvent& e) {
    if (is_pointer_event(e)) {
        d.pointerSeen = true;
        d.pointer = Point{e.x, e.y};
    }
    int32_t x = e.x - d.rect.left;
    int32_t y = e.y - d.rect.top;
    bool inside = tb_PtInRect(e.x, e.y, &d.rect) != 0;
    switch (e.kind) {
        case TB_EVENT_MOUSE_MOVE:
            // A press inside holds the pointer until its release, so a drag can leave the
            // dialog and come back.
            if (inside || d.pressed)
                d.proc(native, TB_WM_MOUSEMOVE, 0, pack_point(x, y));
            else
                tb_SetCursor(kCursorArrow);
            break;
        case TB_EVENT_BUTTON_DOWN:
            d.pressed = inside;
            if (inside) d.proc(native, TB_WM_LBUTTONDOWN, e.modifiers, pack_point(x, y));
            break;
        case TB_EVENT_DOUBLE_CLICK:
            d.pressed = inside;
            if (inside) d.proc(native, TB_WM_LBUTTONDBLCLK, e.modifiers, pack_point(x, y));
            break;
        case TB_EVENT_BUTTON_UP:
            d.pressed = false;
            d.proc(native, TB_WM_LBUTTONUP, 0, pack_point(x, y));
            break;
        case TB_EVENT_WHEEL:
            if (inside) d.proc(native, TB_WM_MOUSEWHEEL, e.key, pack_point(x, y));
            break;
        case TB_EVENT_KEY_DOWN:
            if (e.key == TB_VK_ESCAPE) {
                if (d.proc(native, TB_WM_COMMAND, TB_IDCANCEL, 0) == 0 && !d.ended) {
                    tb_EndDialog(native, 0);
                }
            } else {
                d.proc(native, TB_WM_KEYDOWN, e.key, e.modifiers);
            }
            break;
        case TB_EVENT_TEXT: {
            const auto length = static_cast<int32_t>(strnlen(e.text, sizeof e.text));
            for (int32_t i = 0; i < length && !d.ended;) {
                d.proc(native, TB_WM_CHAR, next_character(e.text, length, &i), 0);
            }
            break;
        }
        case TB_EVENT_SECONDARY_DOWN:
            // The main window is disabled while a dialog runs: its command menu stays shut.
            if (inside) d.proc(native, TB_WM_RBUTTONDOWN, 0, pack_point(x, y));
            break;
        case TB_EVENT_EXPOSE:
        case TB_EVENT_FOCUS_GAINED:
        case TB_EVENT_DISPLAY_CHANGE:
            redraw_after_main(native, d, e);
            break;
        case TB_EVENT_QUIT:
        case TB_EVENT_CLOSE:
            // Not for a dialog: hand it back to the main loop once the dialog is gone.
            tb_EndDialog(native, 0);
            platform::post_event(e);
            d.handedBack = true;
            break;
        default:
            tb_DispatchToMain(&e);
            break;
    }
}

}  // namespace

void tb_SetMainEventHandler(TbEventHandler handler) { g_mainHandler = handler; }

void tb_DispatchToMain(const TbEvent* event) {
    if (g_mainHandler != nullptr) g_mainHandler(event);
}

const char* tb_GetDialogTemplate(int16_t templateId, size_t* size) {
    ResourceBytes r = find_resource(ResourceKind::Dialog, templateId);
    if (size != nullptr) *size = r.size;
    return reinterpret_cast<const char*>(r.data);
}

int32_t tb_DoDialog(int16_t templateId, TbDialogProc proc) {
    (void)templateId;  // every template starts as an empty dialog; procedures size and draw it
    int32_t index = -1;
    for (int32_t i = 0; i < kMaxDialogs; ++i) {
        if (!g_dialogs[i].open) {
            index = i;
            break;
        }
    }
    if (index < 0 || proc == nullptr) return -1;
    Dialog& d = g_dialogs[index];
    d = Dialog{};
    d.open = true;
    d.proc = proc;
    NativeWindow native = kFirstDialogNative + index;
    proc(native, TB_WM_INITDIALOG, 0, 0);
    if (!d.ended) proc(native, TB_WM_PAINT, 0, 0);
    while (!d.ended) {
        TbEvent e;
        if (platform::next_event(&e, true, next_timeout(d))) handle_event(native, d, e);
        if (!d.ended) fire_timers(native, d);
    }
    restore_under(d);
    tell_main_where_the_pointer_is(d);
    int32_t result = d.result;
    d.open = false;
    return result;
}

void tb_EndDialog(NativeWindow dialog, int32_t result) {
    Dialog* d = dialog_of(dialog);
    if (d == nullptr) return;
    d->ended = true;
    d->result = result;
}

void tb_MoveDialog(NativeWindow dialog, int32_t left, int32_t top) {
    Dialog* d = dialog_of(dialog);
    if (d == nullptr) return;
    int32_t w = d->rect.right - d->rect.left;
    int32_t h = d->rect.bottom - d->rect.top;
    restore_under(*d);
    d->rect = Rect{left, top, left + w, top + h};
    save_under(*d);
}

void tb_SetDialogSize(NativeWindow dialog, int32_t width, int32_t height) {
    Dialog* d = dialog_of(dialog);
    if (d == nullptr) return;
    Rect screen = main_bounds();
    int32_t left = (screen.right - width) / 2;
    int32_t top = (screen.bottom - height) / 2;
    restore_under(*d);
    d->rect = Rect{left, top, left + width, top + height};
    save_under(*d);
}

void tb_GetDialogRect(NativeWindow dialog, Rect* rect) {
    Dialog* d = dialog_of(dialog);
    if (d != nullptr) *rect = d->rect;
}

bool tb::dialog_rect(NativeWindow dialog, Rect* rect) {
    Dialog* d = dialog_of(dialog);
    if (d == nullptr) return false;
    *rect = d->rect;
    return true;
}

void tb_SetDialogTimer(NativeWindow dialog, int32_t id, uint32_t milliseconds) {
    Dialog* d = dialog_of(dialog);
    if (d == nullptr) return;
    DialogTimer* slot = nullptr;
    for (DialogTimer& t : d->timers) {
        if (t.active && t.id == id) slot = &t;
    }
    for (DialogTimer& t : d->timers) {
        if (slot == nullptr && !t.active) slot = &t;
    }
    if (slot == nullptr) return;
    *slot = DialogTimer{id, milliseconds, tb_TickCount() + milliseconds, true};
}

void tb_KillDialogTimer(NativeWindow dialog, int32_t id) {
    Dialog* d = dialog_of(dialog);
    if (d == nullptr) return;
    for (DialogTimer& t : d->timers) {
        if (t.id == id) t.active = false;
    }
}
