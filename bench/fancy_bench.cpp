// The fancy brushes at full-HD size, one event each at their largest usual size: a splat at
// 120, a star at 48, a mirror segment at 36 (two-way and four-way) and a ball at 64. Each has a
// companion that copies the bytes of the square it may touch plainly, the yardstick for the
// ratio.
#include "bench/tool_stage.h"
#include "tools/fancy_brushes.h"

namespace {

void BM_SplatEvent120(benchmark::State& state) { drag_along(state, 120, splat_drag); }
BENCHMARK(BM_SplatEvent120);
void BM_CopySplatBytes(benchmark::State& state) { copy_stage_rows(state, 120, 120); }
BENCHMARK(BM_CopySplatBytes);

void BM_StarEvent48(benchmark::State& state) { drag_along(state, 48, star_drag); }
BENCHMARK(BM_StarEvent48);
void BM_CopyStarBytes(benchmark::State& state) { copy_stage_rows(state, 48, 48); }
BENCHMARK(BM_CopyStarBytes);

// One drag step of 8 pixels, `state.range(0)` ways.
void BM_MirrorSegment36(benchmark::State& state) {
    ToolStage stage;
    SceneObject brush = stage.tool(36);
    brush.mode = state.range(0) == 4 ? 2 : 1;
    mirror_press(&brush, 800, 480);
    int32_t step = 0;
    for (auto _ : state) {
        const int32_t d = (step++ % 2) * 8;
        mirror_drag(&brush, 900 + d, 560 + d);
    }
    mirror_release(&brush, 900, 560);
}
BENCHMARK(BM_MirrorSegment36)->Arg(2)->Arg(4);
// Each segment touches a box of 8 + 36 pixels a side.
void BM_CopyMirrorSegmentBytes(benchmark::State& state) {
    copy_stage_rows(state, 44 * static_cast<int32_t>(state.range(0)), 44);
}
BENCHMARK(BM_CopyMirrorSegmentBytes)->Arg(2)->Arg(4);

void BM_BallEvent64(benchmark::State& state) { drag_along(state, 64, ball_drag); }
BENCHMARK(BM_BallEvent64);
void BM_CopyBallBytes(benchmark::State& state) { copy_stage_rows(state, 64, 64); }
BENCHMARK(BM_CopyBallBytes);

}  // namespace
