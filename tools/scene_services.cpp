// The state the scene shares with the tools, and bringing the screen up to date from the back
// buffer: the picture (plain or zoomed) goes into the back buffer first, then only the changed
// rectangle is copied to the window.
#include "tools/scene_services.h"

#include <algorithm>

SceneLayout g_layout;

BitmapRef g_backBuffer = -1;
BitmapRef g_pictureBitmap = -1;
BitmapRef g_undoBitmap = -1;

SceneColour g_currentColour{65025, 0, 0};

int32_t g_zoomed = 0;
int32_t g_zoomOriginX = 0;
int32_t g_zoomOriginY = 0;

BitmapRef g_floatingImage = -1;
BitmapRef g_floatingMask = -1;
BitmapRef g_stampImage = -1;
BitmapRef g_stampMask = -1;

int32_t g_buttonHeldByEvents = 0;

namespace {

void set_colour_only(int32_t red, int32_t green, int32_t blue, bool /*present*/) {
    g_currentColour = SceneColour{red, green, blue};
}

}  // namespace

SceneServices g_sceneServices{set_colour_only};

bool scene_button_held() { return g_buttonHeldByEvents != 0 || tb_ButtonDown() != 0; }

int32_t scene_picture_width() { return g_layout.width - 166; }
int32_t scene_picture_height() { return g_layout.height - 112; }

Point scene_window_to_picture(int32_t x, int32_t y) {
    const Rect& p = g_layout.picture;
    if (g_zoomed == 0) return Point{x - p.left, y - p.top};
    return Point{(x - p.left) / 2 + g_zoomOriginX, (y - p.top) / 2 + g_zoomOriginY};
}

Point scene_picture_to_window(int32_t x, int32_t y) {
    const Rect& p = g_layout.picture;
    if (g_zoomed == 0) return Point{x + p.left, y + p.top};
    return Point{(x - g_zoomOriginX) * 2 + p.left, (y - g_zoomOriginY) * 2 + p.top};
}

namespace {

// The first of the `across` window pixels that shows picture line `line` (counted from the
// first shown) when `shown` lines are stretched over them: the stretch gives window pixel i the
// line i * shown / across, so line n starts at the smallest i with i * shown >= n * across.
int32_t stretched_edge(int32_t line, int32_t shown, int32_t across) {
    const int64_t n = std::clamp<int64_t>(line, 0, shown);
    return static_cast<int32_t>((n * across + shown - 1) / shown);
}

}  // namespace

Rect scene_picture_rect_to_window(const Rect& r) {
    if (r.left >= r.right || r.top >= r.bottom) return Rect{};
    const Rect& area = g_layout.picture;
    Rect window;
    if (g_zoomed == 0) {
        window = r;
        tb_OffsetRect(&window, area.left, area.top);
    } else {
        const int32_t across = area.right - area.left;
        const int32_t down = area.bottom - area.top;
        const int32_t shownAcross = std::max(1, scene_picture_width() / 2);
        const int32_t shownDown = std::max(1, scene_picture_height() / 2);
        window = Rect{area.left + stretched_edge(r.left - g_zoomOriginX, shownAcross, across),
                      area.top + stretched_edge(r.top - g_zoomOriginY, shownDown, down),
                      area.left + stretched_edge(r.right - g_zoomOriginX, shownAcross, across),
                      area.top + stretched_edge(r.bottom - g_zoomOriginY, shownDown, down)};
    }
    Rect shown;
    if (tb_IntersectRect(&shown, &window, &area) == 0) return Rect{};
    return shown;
}

void scene_draw_picture() {
    if (g_backBuffer == -1 || g_pictureBitmap == -1) return;
    const int32_t pw = scene_picture_width();
    const int32_t ph = scene_picture_height();
    if (g_zoomed != 0) {
        Rect from{g_zoomOriginX, g_zoomOriginY, g_zoomOriginX + pw / 2, g_zoomOriginY + ph / 2};
        tb_CopyBitmap(g_pictureBitmap, g_backBuffer, &from, &g_layout.picture, 0);
    } else {
        Rect from{0, 0, pw, ph};
        tb_CopyBitmap(g_pictureBitmap, g_backBuffer, &from, &g_layout.picture, 0);
    }
}

void scene_show_rect(const Rect& r) {
    if (g_backBuffer == -1) return;
    if (g_zoomed != 0) {
        scene_draw_picture();
    } else {
        Rect inside;
        if (tb_IntersectRect(&inside, &r, &g_layout.picture) != 0) {
            Rect from = inside;
            tb_OffsetRect(&from, -g_layout.picture.left, -g_layout.picture.top);
            tb_CopyBitmap(g_pictureBitmap, g_backBuffer, &from, &inside, 0);
        }
    }
    Rect screen{0, 0, g_layout.width, g_layout.height};
    Rect shown;
    if (tb_IntersectRect(&shown, &r, &screen) == 0) return;
    tb_CopyBitmap(g_backBuffer, tb_GetMainWindow(), &shown, &shown, 0);
    // All of the picture is on the screen now: none of its changes waits to be shown.
    const Rect& p = g_layout.picture;
    if (r.left <= p.left && r.top <= p.top && r.right >= p.right && r.bottom >= p.bottom &&
        g_pictureBitmap != -1) {
        tb_ResetTouchedRect(g_pictureBitmap);
    }
}

void scene_show_picture_area() { scene_show_rect(g_layout.picture); }
