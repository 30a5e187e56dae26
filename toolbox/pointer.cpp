// Pointer images by resource id, and the pointer position in screen or window coordinates.
#include <cstring>

#include "resources/resources.h"
#include "toolbox/internal.h"
#include "toolbox/platform.h"

using namespace tb;

namespace {

int16_t g_pointerMode = 1;
int16_t g_cursorId = 0;

Point main_origin() {
    if (!valid_window(g_mainWindow)) return {};
    const Rect& r = g_windows[g_mainWindow - TB_WINDOW_BASE].screenRect;
    return {r.left, r.top};
}

}  // namespace

void tb_SetCursor(int16_t id) {
    ResourceBytes r = find_resource(ResourceKind::Cursor, id);
    if (r.data == nullptr || r.size < 8) return;
    uint16_t f[4];
    std::memcpy(f, r.data, sizeof f);
    size_t need = 8 + static_cast<size_t>(f[0]) * f[1] * 4;
    if (r.size < need) return;
    g_cursorId = id;
    platform::set_cursor(id, r.data + 8, f[0], f[1], f[2], f[3]);
}

int16_t tb_GetCursor() { return g_cursorId; }

void tb_SetPointerMode(int16_t mode) { g_pointerMode = mode; }

void tb_GetMousePos(Point* point) {
    Point screen = platform::pointer_position();
    if (g_pointerMode == 1) {
        *point = screen;
    } else if (g_pointerMode == 2) {
        Point o = main_origin();
        *point = Point{screen.x - o.x, screen.y - o.y};
    }
}

void tb_SetMousePos(int32_t x, int32_t y) {
    // Like tb_GetMousePos, only the two known modes do anything.
    if (g_pointerMode == 1) {
        platform::warp_pointer(Point{x, y});
    } else if (g_pointerMode == 2) {
        Point o = main_origin();
        platform::warp_pointer(Point{x + o.x, y + o.y});
    }
}
