// The handle tables and the resolution of a handle into something to draw on.
#include <algorithm>

#include "toolbox/internal.h"
#include "toolbox/platform.h"

namespace tb {

BitmapSlot g_bitmaps[TB_MAX_BITMAPS];
WindowSlot g_windows[TB_MAX_WINDOWS];
RegionSlot g_regions[TB_MAX_REGIONS];
WindowRef g_mainWindow = -1;
Palette* g_sharedPalette = nullptr;
DibImage* g_printerPage = nullptr;
TbColor g_printerFore = 0;
TbColor g_printerBack = 0;
TextSettings g_printerText;

bool is_bitmap_handle(TargetRef h) { return h < TB_WINDOW_BASE; }

bool is_window_handle(TargetRef h) { return h >= TB_WINDOW_BASE && h != TB_PRINTER; }

bool valid_bitmap(TargetRef h) { return h >= 0 && h < TB_MAX_BITMAPS && g_bitmaps[h].free == 0; }

bool valid_window(TargetRef h) {
    int32_t slot = h - TB_WINDOW_BASE;
    return slot >= 0 && slot < TB_MAX_WINDOWS && g_windows[slot].free == 0;
}

Target resolve_target(TargetRef h) {
    Target t;
    if (h == TB_PRINTER) {
        t.image = g_printerPage;
        t.fore = g_printerFore;
        t.back = g_printerBack;
        t.hasContext = g_printerPage != nullptr;
    } else if (is_bitmap_handle(h)) {
        if (valid_bitmap(h)) {
            BitmapSlot& s = g_bitmaps[h];
            t.image = s.image;
            t.clip = &s.clip;
            t.fore = s.fore;
            t.back = s.back;
            t.hasContext = s.hasContext;
            t.touched = &s.touched;
            t.bitmapSlot = h;
        }
    } else if (valid_window(h)) {
        WindowSlot& w = g_windows[h - TB_WINDOW_BASE];
        t.image = w.pixels.header != nullptr ? &w.pixels : nullptr;
        t.clip = &w.clip;
        t.fore = w.fore;
        t.back = w.back;
        t.windowSlot = h - TB_WINDOW_BASE;
        t.hasContext = 1;
        t.touched = &w.touched;
    }
    return t;
}

void note_touched(const Target& t, const Rect& r) {
    if (t.touched == nullptr || t.image == nullptr || t.image->header == nullptr) return;
    Rect in{std::max(r.left, 0), std::max(r.top, 0), std::min(r.right, t.image->header->width),
            std::min(r.bottom, t.image->header->height)};
    if (in.left >= in.right || in.top >= in.bottom) return;
    note_snapshot_change(t.bitmapSlot, in);
    Rect& so_far = *t.touched;
    if (so_far.left >= so_far.right || so_far.top >= so_far.bottom) {
        so_far = in;
        return;
    }
    so_far = Rect{std::min(so_far.left, in.left), std::min(so_far.top, in.top),
                  std::max(so_far.right, in.right), std::max(so_far.bottom, in.bottom)};
}

static bool clip_set(const Rect& r) {
    return r.left != -1 || r.top != -1 || r.right != -1 || r.bottom != -1;
}

Rect drawable_area(const Target& t) {
    if (t.image == nullptr || t.image->header == nullptr) {
        return {};
    }
    Rect area{0, 0, t.image->header->width, t.image->header->height};
    if (t.clip != nullptr && clip_set(t.clip->applied)) {
        const Rect& c = t.clip->applied;
        area.left = std::max(area.left, c.left);
        area.top = std::max(area.top, c.top);
        area.right = std::min(area.right, c.right);
        area.bottom = std::min(area.bottom, c.bottom);
    }
    if (area.right < area.left) area.right = area.left;
    if (area.bottom < area.top) area.bottom = area.top;
    return area;
}

void present_window(int32_t windowSlot, const Rect& rect) {
    if (windowSlot < 0 || windowSlot >= TB_MAX_WINDOWS) return;
    WindowSlot& w = g_windows[windowSlot];
    if (w.free != 0 || w.pixels.header == nullptr) return;
    Rect r{std::max(rect.left, 0), std::max(rect.top, 0),
           std::min(rect.right, w.pixels.header->width),
           std::min(rect.bottom, w.pixels.header->height)};
    if (r.left >= r.right || r.top >= r.bottom) return;
    if (hold_update(w, r)) return;
    if (w.native == 1) platform::present(w.pixels, r);
}

}  // namespace tb

using namespace tb;

uint32_t tb_RasterOp = TB_SRCCOPY;

void tb_random_startup();       // numbers.cpp
void tb_directories_startup();  // windows.cpp
void tb_regions_release_all();  // regions.cpp

void tb_Startup() {
    for (int32_t i = 0; i < TB_MAX_BITMAPS; ++i) {
        BitmapSlot& s = g_bitmaps[i];
        if (s.free == 0) tb_FreeDibImage(&s.record);
        s = BitmapSlot{};
        s.image = &s.record;
        s.free = 1;
    }
    for (int32_t i = 0; i < TB_MAX_WINDOWS; ++i) {
        WindowSlot& w = g_windows[i];
        if (w.free == 0) tb_FreeDibImage(&w.pixels);
        w = WindowSlot{};
    }
    tb_regions_release_all();
    g_mainWindow = -1;
    delete g_sharedPalette;
    g_sharedPalette = nullptr;
    reset_print_state();
    g_printerPage = nullptr;
    g_printerFore = g_printerBack = 0;
    g_printerText = {};
    tb_RasterOp = TB_SRCCOPY;
    tb_directories_startup();
    tb_random_startup();
}

void tb_ResetTouchedRect(TargetRef target) {
    Target t = resolve_target(target);
    if (t.touched != nullptr) *t.touched = Rect{};
}

void tb_GetTouchedRect(TargetRef target, Rect* rect) {
    Target t = resolve_target(target);
    *rect = t.touched != nullptr ? *t.touched : Rect{};
}

void tb_AddTouchedRect(TargetRef target, const Rect* rect) {
    note_touched(resolve_target(target), *rect);
}

void tb_Shutdown() {
    delete g_sharedPalette;
    g_sharedPalette = nullptr;
    if (g_mainWindow != -1) {
        TbEvent close;
        close.kind = TB_EVENT_CLOSE;
        platform::post_event(close);
    }
}
