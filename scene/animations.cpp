// Clearing the picture for a new document. With animated clearing on, one of four animations
// plays in turn (wipe, drips, shrink, slide), each after its sound; every frame is shown and
// then held for its frame time, because the animation is meant to be watched.
#include <algorithm>
#include <cstring>

#include "resources/resource_ids.h"
#include "scene/scene_draw.h"
#include "shell/preferences.h"

namespace {

int32_t g_nextAnimation = 0;

struct Canvas {
    int32_t pw;
    int32_t ph;
};

void paint_white(const Rect& r) { tb_PaintRect(g_pictureBitmap, &r); }

void copy_old(const Rect& from, const Rect& to) {
    if (from.right <= from.left || from.bottom <= from.top) return;
    tb_CopyBitmap(g_undoBitmap, g_pictureBitmap, &from, &to, 0);
}

// Shows the frame and waits until it has lasted its frame time.
void end_frame(uint32_t started, uint32_t frameTime) {
    scene_show_picture_area();
    while (tb_TickCount() - started < frameTime) {
    }
}

void wipe(const Canvas& c) {
    if (tb_Random(0, 100) >= 50) {
        const int32_t step = std::max(1, c.ph / 50);
        for (int32_t h = 10; h <= c.ph; h += step) {
            uint32_t t = tb_TickCount();
            paint_white(Rect{0, 0, c.pw, h});
            end_frame(t, 15);
        }
    } else {
        const int32_t step = std::max(1, c.pw / 50);
        for (int32_t w = 10; w <= c.pw / 2; w += step) {
            uint32_t t = tb_TickCount();
            paint_white(Rect{0, 0, w, c.ph});
            paint_white(Rect{c.pw - w, 0, c.pw, c.ph});
            end_frame(t, 30);
        }
    }
}

void drips(const Canvas& c) {
    constexpr int32_t kColumns = 100;
    const int32_t width = c.pw / kColumns + 1;
    int32_t speed[kColumns];
    int32_t offset[kColumns] = {};
    int32_t slowest = 0;
    for (int32_t i = 0; i < kColumns; ++i) {
        speed[i] = tb_Random(c.ph / 20, c.ph / 20 + 10);
        slowest = i == 0 ? speed[i] : std::min(slowest, speed[i]);
    }
    slowest = std::max(1, slowest);
    int32_t band = c.ph;
    for (int32_t fallen = 0; fallen <= c.ph; fallen += slowest) {
        uint32_t t = tb_TickCount();
        band = std::clamp(band - 2 * slowest, 0, c.ph);
        for (int32_t i = 0; i < kColumns; ++i) {
            const int32_t x = i * width;
            if (x >= c.pw) break;
            offset[i] += speed[i];
            copy_old(Rect{x, 0, x + width, band}, Rect{x, offset[i], x + width, c.ph});
            paint_white(Rect{x, 0, x + width, offset[i]});
        }
        end_frame(t, 30);
    }
}

void shrink(const Canvas& c) {
    const int32_t dx = c.pw / 30 + 1;
    const int32_t dy = c.ph / 30 + 1;
    Rect r{0, 0, c.pw, c.ph};
    while (!(r.left > c.pw / 2 && r.top > c.ph / 2)) {
        uint32_t t = tb_TickCount();
        paint_white(r);
        r.left += dx;
        r.right = std::max(r.left, r.right - dx);
        r.top += dy;
        r.bottom = std::max(r.top, r.bottom - dy);
        copy_old(Rect{0, 0, c.pw, c.ph}, r);
        end_frame(t, 30);
    }
}

void slide(const Canvas& c) {
    const int32_t dx = c.pw / 30 + 1;
    const int32_t dy = c.ph / 30 + 1;
    const int32_t direction = tb_Random(0, 4);
    Rect r{0, 0, c.pw, c.ph};
    for (;;) {
        uint32_t t = tb_TickCount();
        paint_white(r);
        if (direction == 0) {
            if (r.left > c.pw) break;
            r.left += dx;
            copy_old(Rect{0, 0, c.pw - r.left, c.ph}, r);
        } else if (direction == 1) {
            if (r.right < 0) break;
            r.right -= dx;
            copy_old(Rect{c.pw - r.right, 0, c.pw, c.ph}, r);
        } else if (direction == 2) {
            if (r.top > c.ph) break;
            r.top += dy;
            copy_old(Rect{0, 0, c.pw, c.ph - r.top}, r);
        } else {
            if (r.bottom < 0) break;
            r.bottom -= dy;
            copy_old(Rect{0, c.ph - r.bottom, c.pw, c.ph}, r);
        }
        end_frame(t, 30);
    }
}

struct Animation {
    int16_t soundId;
    void (*play)(const Canvas&);
};

constexpr Animation kAnimations[4] = {{kSoundClearWipe, wipe},
                                      {kSoundClearDrips, drips},
                                      {kSoundClearShrink, shrink},
                                      {kSoundClearSlide, slide}};

void play_animation(const Animation& a) {
    const Canvas c{scene_picture_width(), scene_picture_height()};
    tb_PlaySoundNoStop(a.soundId);
    scene_save_undo();
    scene_clip_to_picture();
    tb_SetForeColor(g_pictureBitmap, 65025, 65025, 65025);
    a.play(c);
    paint_white(Rect{0, 0, c.pw, c.ph});
    scene_show_picture_area();
    scene_unclip();
}

}  // namespace

void scene_clear_picture() {
    if (g_prefs.animatedClearing != 0) {
        play_animation(kAnimations[g_nextAnimation]);
        g_nextAnimation = (g_nextAnimation + 1) % 4;
    } else {
        tb_Beep();
        tb_SetForeColor(g_pictureBitmap, 65025, 65025, 65025);
        paint_white(Rect{0, 0, scene_picture_width(), scene_picture_height()});
        scene_show_picture_area();
    }
    std::strcpy(g_pictureFileName, "Tintamar.bmp");
}
