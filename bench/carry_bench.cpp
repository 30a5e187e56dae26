// Carrying under the pointer at full-HD size, one pointer move at a time through the input
// dispatch: a 300 x 300 piece cut with the Scissors, and a stamp (also zoomed, twice as
// large on the screen). A move takes the window back where the piece was, draws it at the new
// place and frames it. Each has a companion that copies the same bytes plainly, the yardstick
// for the ratio: the piece's pixels twice (taken back, drawn), the stamp's three times (taken
// back, its mask, its picture).
#include <benchmark/benchmark.h>

#include "bench/bench_scene.h"
#include "bench/tool_stage.h"
#include "resources/resource_ids.h"
#include "scene/input_dispatch.h"
#include "scene/scene_draw.h"
#include "scene/scene_table.h"
#include "tools/scissors_stamps.h"

namespace {

constexpr int32_t kScissors = 8;
constexpr int32_t kStampBook = 15;

// Pointer positions across the picture and back, a few pixels apart as a hand moves.
Point along_picture(int32_t step) {
    const int32_t span = 1200;
    const int32_t at = step % (2 * span);
    const int32_t x = 450 + (at < span ? at : 2 * span - at);
    return Point{x, 400 + (x % 200)};
}

void move_across(benchmark::State& state) {
    int32_t step = 0;
    for (auto _ : state) {
        const Point p = along_picture(step);
        step += 5;
        input_pointer_move(p.x, p.y);
    }
}

void BM_CarryCut300(benchmark::State& state) {
    start_bench_scene();
    g_currentObject = kScissors;
    g_buttonHeldByEvents = 1;
    input_button_down(400, 300);
    input_pointer_move(700, 600);
    g_buttonHeldByEvents = 0;
    input_button_up(700, 600);
    if (g_sceneObjects[kScissors].mode != 1 || tb_GetBitmapWidth(g_floatingImage) != 300) {
        state.SkipWithError("no 300 x 300 piece is carried");
    }
    move_across(state);
    scene_release();
}
BENCHMARK(BM_CarryCut300);
void BM_CopyCutBytes(benchmark::State& state) { copy_stage_rows(state, 300, 2 * 300); }
BENCHMARK(BM_CopyCutBytes);

void carry_stamp(benchmark::State& state, int32_t zoomed) {
    start_bench_scene();
    g_zoomed = zoomed;
    g_currentObject = kStampBook;
    if (!stamp_take_from_sheet(kBitmapStampSheetCreatures, kMaskStampSheetCreatures, 9)) {
        state.SkipWithError("no stamp");
    }
    g_sceneObjects[kStampBook].active = 1;
    move_across(state);
    g_zoomed = 0;
    scene_release();
}

void BM_CarryStamp(benchmark::State& state) { carry_stamp(state, 0); }
BENCHMARK(BM_CarryStamp);
void BM_CopyStampBytes(benchmark::State& state) { copy_stage_rows(state, 48, 3 * 48); }
BENCHMARK(BM_CopyStampBytes);

void BM_CarryStampZoomed(benchmark::State& state) { carry_stamp(state, 1); }
BENCHMARK(BM_CarryStampZoomed);
void BM_CopyZoomedStampBytes(benchmark::State& state) { copy_stage_rows(state, 96, 3 * 96); }
BENCHMARK(BM_CopyZoomedStampBytes);

}  // namespace
