// The stage the tool benchmarks paint on: a headless 1920 x 1080 toolbox with the main window,
// a back buffer and a white picture the size the room gives it, a tool record painting into it,
// and the yardstick every case is read against, a plain copy of the same bytes.
#pragma once

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "scene/scene_draw.h"
#include "scene/scene_table.h"
#include "toolbox/platform_headless.h"

constexpr int32_t kStageW = 1920;
constexpr int32_t kStageH = 1080;
constexpr int32_t kStagePictureW = kStageW - 166;  // 1754
constexpr int32_t kStagePictureH = kStageH - 112;  // 968
constexpr int32_t kStageFull = 65025;

inline int32_t stage_ignore_box(int32_t, const char*, const char*) { return 1; }

struct ToolStage {
    WindowRef window = -1;
    BitmapRef backBuffer = -1;
    BitmapRef picture = -1;

    ToolStage() {
        headless::reset();
        headless::set_screen(24, Rect{0, 0, kStageW, kStageH});
        tb_SetMessageSink(stage_ignore_box);
        tb_Startup();
        g_layout = scene_layout_for(kStageW, kStageH);
        Rect screen{0, 0, kStageW, kStageH};
        window = tb_OpenWindow(&screen, "Tintamar");
        backBuffer = tb_CreateBitmap(&screen, -1, 24);
        tb_SetForeColor(backBuffer, 32640, 40000, 50000);
        tb_PaintRect(backBuffer, &screen);
        Rect whole{0, 0, kStagePictureW, kStagePictureH};
        picture = tb_CreateBitmap(&whole, -1, 24);
        tb_SetForeColor(picture, kStageFull, kStageFull, kStageFull);
        tb_PaintRect(picture, &whole);
    }
    ~ToolStage() {
        tb_DisposeBitmap(picture);
        tb_DisposeBitmap(backBuffer);
        tb_DisposeOfWindow(window);
    }

    SceneObject tool(int32_t size) const {
        SceneObject o;
        o.size = size;
        o.red = kStageFull;
        o.green = 32640;
        o.sceneBitmap = backBuffer;
        o.pictureBitmap = picture;
        o.auxHandle = window;
        return o;
    }
};

// The yardstick: rows of `width` pixels copied from one full-size image into another.
inline void copy_stage_rows(benchmark::State& state, int32_t width, int32_t rows) {
    const size_t stride = 3 * static_cast<size_t>(kStageW);
    std::vector<uint8_t> from(stride * kStageH, 200);
    std::vector<uint8_t> to(stride * kStageH, 0);
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
    ToolStage stage;
    SceneObject tool = stage.tool(size);
    tool.active = 1;
    int32_t step = 0;
    for (auto _ : state) drag(&tool, 400 + (step++ % 500), 400);
}
