// Pointer moves while painting with the Pencil at 1920 x 1080: the whole path of one move
// (dispatch, the stroke segment, showing the changed rectangle). Every move is timed on its own;
// the counters median_us and p99_us are the figures to read (goal: under 500 and 2000).
// BM_InputMoveBaseline copies the bytes of a typical shown rectangle with memcpy, for scale.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>
#include <vector>

#include "bench/bench_scene.h"
#include "scene/input_dispatch.h"
#include "scene/scene.h"
#include "scene/scene_draw.h"
#include "scene/scene_table.h"
#include "toolbox/toolbox.h"

namespace {

constexpr int32_t kWidth = kBenchWidth;
constexpr int32_t kHeight = kBenchHeight;

void start_scene() { start_bench_scene(); }

// A hand's path over the picture: round and round a circle, a few pixels per move.
Point path_point(int32_t step) {
    const double cx = 147 + (kWidth - 166) / 2.0;
    const double cy = 16 + (kHeight - 112) / 2.0;
    double angle = step * 0.02;
    double radius = 300 + 100 * std::sin(step * 0.003);
    return Point{static_cast<int32_t>(cx + radius * std::cos(angle)),
                 static_cast<int32_t>(cy + radius * std::sin(angle))};
}

void BM_InputPencilMove(benchmark::State& state) {
    start_scene();
    g_currentObject = 0;
    g_sceneObjects[0].size = static_cast<int32_t>(state.range(0));
    headless::set_button(true);
    Point first = path_point(0);
    input_button_down(first.x, first.y);
    std::vector<double> micros;
    micros.reserve(1 << 16);
    int32_t step = 1;
    for (auto _ : state) {
        Point p = path_point(step++);
        auto start = std::chrono::steady_clock::now();
        input_pointer_move(p.x, p.y);
        auto end = std::chrono::steady_clock::now();
        micros.push_back(std::chrono::duration<double, std::micro>(end - start).count());
    }
    headless::set_button(false);
    Point last = path_point(step);
    input_button_up(last.x, last.y);
    scene_release();

    std::sort(micros.begin(), micros.end());
    if (!micros.empty()) {
        state.counters["median_us"] = micros[micros.size() / 2];
        state.counters["p99_us"] = micros[std::min(micros.size() - 1, micros.size() * 99 / 100)];
    }
}

// What one move's show rectangle amounts to in bytes: about 20 x 20 pixels for the 4-pixel
// pencil, copied twice (picture into the back buffer, back buffer to the window).
void BM_InputMoveBaseline(benchmark::State& state) {
    const size_t stride = static_cast<size_t>(kWidth) * 3;
    const size_t rows = 20;
    const size_t rowBytes = 20 * 3;
    std::vector<uint8_t> from(stride * rows, 7);
    std::vector<uint8_t> to(stride * rows, 0);
    for (auto _ : state) {
        for (int pass = 0; pass < 2; ++pass) {
            for (size_t y = 0; y < rows; ++y)
                std::memcpy(&to[y * stride], &from[y * stride], rowBytes);
        }
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
}

}  // namespace

BENCHMARK(BM_InputMoveBaseline)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_InputPencilMove)->Arg(4)->Arg(32)->Unit(benchmark::kMicrosecond)->Iterations(20000);
