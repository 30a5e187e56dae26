// The scene at 1920 x 1080: a full composition of the room, a repaint of the whole window, and
// showing the 60 x 60 rectangle a stroke touched. Each has its baseline, a plain memcpy of the
// same bytes, in the same run (BM_Scene*Baseline): read the ratios against those.
// Goals: show-rectangle under 0.1 ms, full composition under 8 ms.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "bench/bench_scene.h"
#include "scene/scene.h"
#include "scene/scene_draw.h"
#include "toolbox/toolbox.h"

namespace {

constexpr int32_t kWidth = kBenchWidth;
constexpr int32_t kHeight = kBenchHeight;
constexpr int32_t kStroke = 60;

void start_scene() { start_bench_scene(); }

// A plain copy of `rows` rows of `rowBytes` bytes each, row by row as a rectangle is copied.
void copy_rows(benchmark::State& state, size_t rowBytes, size_t rows) {
    const size_t stride = static_cast<size_t>(kWidth) * 3;
    std::vector<uint8_t> from(stride * rows, 7);
    std::vector<uint8_t> to(stride * rows, 0);
    for (auto _ : state) {
        for (size_t y = 0; y < rows; ++y) std::memcpy(&to[y * stride], &from[y * stride], rowBytes);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
}

void BM_SceneFullBaseline(benchmark::State& state) {
    copy_rows(state, static_cast<size_t>(kWidth) * 3, kHeight);
}

void BM_SceneStrokeBaseline(benchmark::State& state) {
    copy_rows(state, static_cast<size_t>(kStroke) * 3, kStroke);
}

void BM_SceneComposeAll(benchmark::State& state) {
    start_scene();
    for (auto _ : state) scene_compose(false, true, true);
    scene_release();
}

void BM_SceneRepaintAll(benchmark::State& state) {
    start_scene();
    for (auto _ : state) scene_repaint_all();
    scene_release();
}

void BM_SceneShowStrokeRect(benchmark::State& state) {
    start_scene();
    const Rect stroke{600, 400, 600 + kStroke, 400 + kStroke};
    for (auto _ : state) scene_show_rect(stroke);
    scene_release();
}

}  // namespace

BENCHMARK(BM_SceneFullBaseline)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SceneComposeAll)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SceneRepaintAll)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SceneStrokeBaseline)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SceneShowStrokeRect)->Unit(benchmark::kMicrosecond);
