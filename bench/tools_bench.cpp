// The everyday tools at full-HD size: one Paintbrush dab at size 36, one Spray can event, a
// Paint pot fill of the whole picture and one rubber-band step of the Shape template. Each has
// a companion that copies the same bytes plainly, the yardstick for the ratio.
#include "bench/tool_stage.h"
#include "tools/paint_tools.h"
#include "tools/ruler_shapes.h"

namespace {

void BM_PaintbrushDab36(benchmark::State& state) { drag_along(state, 36, paintbrush_drag); }
BENCHMARK(BM_PaintbrushDab36);
// The dab's box is 2r + 4 = 40 pixels square.
void BM_CopyDabBytes(benchmark::State& state) { copy_stage_rows(state, 40, 40); }
BENCHMARK(BM_CopyDabBytes);

void BM_SprayEvent36(benchmark::State& state) {
    ToolStage stage;
    SceneObject can = stage.tool(36);
    can.active = 1;
    for (auto _ : state) spray_drag(&can, 600, 500);
}
BENCHMARK(BM_SprayEvent36);
// The spray's square: half-width r = 18.
void BM_CopySprayBytes(benchmark::State& state) { copy_stage_rows(state, 37, 37); }
BENCHMARK(BM_CopySprayBytes);

void BM_PaintPotFillWholePicture(benchmark::State& state) {
    ToolStage stage;
    SceneObject pot = stage.tool(4);
    // Alternate the colour so every fill covers the whole picture again.
    bool red = true;
    for (auto _ : state) {
        pot.red = kStageFull;
        pot.green = red ? 0 : kStageFull;
        pot.blue = red ? 0 : kStageFull;
        paint_pot_press(&pot, 10, 10);
        red = !red;
    }
    // The far corner must have been reached, or the case measured nothing.
    int32_t r = 0, g = 0, b = 0;
    tb_GetPixel(stage.picture, kStagePictureW - 1, kStagePictureH - 1, &r, &g, &b);
    if (r != 65025 || g != (red ? 65025 : 0) || b != (red ? 65025 : 0)) {
        state.SkipWithError("the fill did not cover the picture");
    }
}
BENCHMARK(BM_PaintPotFillWholePicture)->Unit(benchmark::kMillisecond);
void BM_CopyPictureBytes(benchmark::State& state) {
    copy_stage_rows(state, kStagePictureW, kStagePictureH);
}
BENCHMARK(BM_CopyPictureBytes)->Unit(benchmark::kMillisecond);

// A band of about 400 x 300 pixels moving by a few pixels, as a drag step does.
void BM_ShapeBandStep(benchmark::State& state) {
    ToolStage stage;
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
void BM_CopyBandBytes(benchmark::State& state) { copy_stage_rows(state, 412, 312); }
BENCHMARK(BM_CopyBandBytes);

}  // namespace
