// The everyday tools at full-HD size: one Paintbrush dab at size 36, one Spray can event, a
// Paint pot fill of the whole picture and one rubber-band step of the Shape template. Each has
// a companion that copies the same bytes plainly, the yardstick for the ratio.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "scene/scene_draw.h"
#include "toolbox/platform_headless.h"
#include "tools/paint_tools.h"
#include "tools/ruler_shapes.h"

namespace {

constexpr int32_t kScreenW = 1920;
constexpr int32_t kScreenH = 1080;
constexpr int32_t kPictureW = kScreenW - 166;  // 1754
constexpr int32_t kPictureH = kScreenH - 112;  // 968
constexpr int32_t kFull = 65025;

int32_t ignore_box(int32_t, const char*, const char*) { return 1; }

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
void copy_rows(benchmark::State& state, int32_t width, int32_t rows) {
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

void BM_PaintbrushDab36(benchmark::State& state) {
    Stage stage;
    SceneObject brush = stage.tool(36);
    brush.active = 1;
    int32_t step = 0;
    for (auto _ : state) {
        paintbrush_drag(&brush, 400 + (step++ % 500), 400);
    }
}
BENCHMARK(BM_PaintbrushDab36);
// The dab's box is 2r + 4 = 40 pixels square.
void BM_CopyDabBytes(benchmark::State& state) { copy_rows(state, 40, 40); }
BENCHMARK(BM_CopyDabBytes);

void BM_SprayEvent36(benchmark::State& state) {
    Stage stage;
    SceneObject can = stage.tool(36);
    can.active = 1;
    for (auto _ : state) spray_drag(&can, 600, 500);
}
BENCHMARK(BM_SprayEvent36);
// The spray's square: half-width r = 18.
void BM_CopySprayBytes(benchmark::State& state) { copy_rows(state, 37, 37); }
BENCHMARK(BM_CopySprayBytes);

void BM_PaintPotFillWholePicture(benchmark::State& state) {
    Stage stage;
    SceneObject pot = stage.tool(4);
    // Alternate the colour so every fill covers the whole picture again.
    bool red = true;
    for (auto _ : state) {
        pot.red = kFull;
        pot.green = red ? 0 : kFull;
        pot.blue = red ? 0 : kFull;
        paint_pot_press(&pot, 10, 10);
        red = !red;
    }
    // The far corner must have been reached, or the case measured nothing.
    int32_t r = 0, g = 0, b = 0;
    tb_GetPixel(stage.picture, kPictureW - 1, kPictureH - 1, &r, &g, &b);
    if (r != 65025 || g != (red ? 65025 : 0) || b != (red ? 65025 : 0)) {
        state.SkipWithError("the fill did not cover the picture");
    }
}
BENCHMARK(BM_PaintPotFillWholePicture)->Unit(benchmark::kMillisecond);
void BM_CopyPictureBytes(benchmark::State& state) { copy_rows(state, kPictureW, kPictureH); }
BENCHMARK(BM_CopyPictureBytes)->Unit(benchmark::kMillisecond);

// A band of about 400 x 300 pixels moving by a few pixels, as a drag step does.
void BM_ShapeBandStep(benchmark::State& state) {
    Stage stage;
    SceneObject shapes = stage.tool(4);
    shapes.mode = SHAPE_ELLIPSE_OUTLINE;
    shape_press(&shapes, 600, 300);
    shape_drag(&shapes, 1000, 600);
    int32_t step = 0;
    for (auto _ : state) {
        const int32_t d = (step++ % 2) * 4;
        shape_drag(&shapes, 1000 + d, 600 + d);
    }
}
BENCHMARK(BM_ShapeBandStep);
// The restored area: the union grown by the pen size on every side.
void BM_CopyBandBytes(benchmark::State& state) { copy_rows(state, 412, 312); }
BENCHMARK(BM_CopyBandBytes);

}  // namespace
