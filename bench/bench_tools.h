// What the tool benchmarks share: a headless full-HD room with a white picture, a tool record
// painting into it, and the yardstick every case is measured against: the same number of
// pixels copied plainly with memcpy.
#pragma once

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "scene/scene_draw.h"
#include "scene/scene_object.h"
#include "toolbox/platform_headless.h"

constexpr int32_t kScreenW = 1920;
constexpr int32_t kScreenH = 1080;
constexpr int32_t kPictureW = kScreenW - 166;  // 1754
constexpr int32_t kPictureH = kScreenH - 112;  // 968
constexpr int32_t kFull = 65025;

inline int32_t ignore_box(int32_t, const char*, const char*) { return 1; }

// A headless toolbox with the full-HD window, back buffer and a white picture.
struct Stage {
    WindowRef window = -1;
    BitmapRef backBuffer = -1;
    BitmapRef picture = -1;

    Stage() {
        headless::reset();
        headless::set_screen(24, Rect{0, 0, kScreenW, kScreenH});
        tb_SetMessageSink(ignore_box);
        tb_Startup();
        g_layout = scene_layout_for(kScreenW, kScreenH);
        Rect screen{0, 0, kScreenW, kScreenH};
        window = tb_OpenWindow(&screen, "Tintamar");
        backBuffer = tb_CreateBitmap(&screen, -1, 24);
        tb_SetForeColor(backBuffer, 32640, 40000, 50000);
        tb_PaintRect(backBuffer, &screen);
        Rect whole{0, 0, kPictureW, kPictureH};
        picture = tb_CreateBitmap(&whole, -1, 24);
        tb_SetForeColor(picture, kFull, kFull, kFull);
        tb_PaintRect(picture, &whole);
    }
    ~Stage() {
        tb_DisposeBitmap(picture);
        tb_DisposeBitmap(backBuffer);
        tb_DisposeOfWindow(window);
    }

    SceneObject tool(int32_t size) const {
        SceneObject o;
        o.size = size;
        o.red = kFull;
        o.green = 32640;
        o.sceneBitmap = backBuffer;
        o.pictureBitmap = picture;
        o.auxHandle = window;
        return o;
    }
};

// The yardstick: rows of `width` pixels copied from one full-size image into another.
inline void copy_rows(benchmark::State& state, int32_t width, int32_t rows) {
    const size_t stride = 3 * static_cast<size_t>(kScreenW);
    std::vector<uint8_t> from(stride * kScreenH, 200);
    std::vector<uint8_t> to(stride * kScreenH, 0);
    const size_t bytes = 3 * static_cast<size_t>(width);
    for (auto _ : state) {
        for (int32_t y = 0; y < rows; ++y) {
            std::memcpy(to.data() + y * stride + 300, from.data() + y * stride + 300, bytes);
        }
        benchmark::ClobberMemory();
    }
}

// One drag event of a tool of this size per iteration, moving along a row of the picture.
inline void drag_along(benchmark::State& state, int32_t size, ScenePointOp drag) {
    Stage stage;
    SceneObject tool = stage.tool(size);
    tool.active = 1;
    int32_t step = 0;
    for (auto _ : state) drag(&tool, 400 + (step++ % 500), 400);
}
