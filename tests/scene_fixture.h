// A headless screen of a chosen size with the scene started on it, for the scene's tests.
#pragma once

#include <gtest/gtest.h>

#include "scene/scene.h"
#include "scene/scene_draw.h"
#include "scene/scene_table.h"
#include "shell/preferences.h"
#include "test_support.h"
#include "toolbox/platform_headless.h"

inline void start_scene(int32_t width, int32_t height) {
    fresh_toolbox();
    Rect screen{0, 0, width, height};
    headless::set_screen(24, screen);
    tb_OpenWindow(&screen, "Tintamar");
    g_prefs = Preferences{};
    g_zoomed = 0;
    g_zoomOriginX = 0;
    g_zoomOriginY = 0;
    g_undoAvailable = 0;
    scene_startup(width, height);
}

class SceneTest : public ::testing::Test {
   protected:
    void TearDown() override { scene_release(); }
};

// The window's pixel as 0xRRGGBB, read through a one-pixel copy.
inline uint32_t window_pixel(int32_t x, int32_t y) {
    BitmapRef one = make_bitmap(1, 1);
    Rect from{x, y, x + 1, y + 1};
    Rect to{0, 0, 1, 1};
    tb_CopyBitmap(tb_GetMainWindow(), one, &from, &to, 0);
    uint32_t rgb = pixel_rgb(one, 0, 0);
    tb_DisposeBitmap(one);
    return rgb;
}

inline void fill_bitmap(BitmapRef bitmap, const Rect& r, uint32_t rgb) {
    tb_SetForeColor(bitmap, ((rgb >> 16) & 255) * 255, ((rgb >> 8) & 255) * 255, (rgb & 255) * 255);
    tb_PaintRect(bitmap, &r);
}
