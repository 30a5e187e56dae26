// The text tool's line following the pointer at 1920 x 1080: the whole path of one move in
// text placement mode (dispatch, putting back what the last preview covered, drawing the line
// on the window). Every move is timed on its own, on the clock (median_us, p99_us) and in this
// thread's processor time (cpu_median_us, cpu_p99_us), which a busy machine does not inflate;
// the goal is a move under 2 ms at size 72. BM_TextPreviewBaseline copies the picture area's
// bytes with memcpy, for scale.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "bench/bench_scene.h"
#include "scene/input_dispatch.h"
#include "scene/scene.h"
#include "scene/scene_hooks.h"
#include "text/text_settings.h"
#include "text/text_tool.h"
#include "tools/scene_services.h"

namespace {

// A hand's path over the picture: round and round a circle, a few pixels per move.
Point path_point(int32_t step) {
    const double cx = 147 + (kBenchWidth - 166) / 2.0;
    const double cy = 16 + (kBenchHeight - 112) / 2.0;
    const double angle = step * 0.02;
    return Point{static_cast<int32_t>(cx + 300 * std::cos(angle)),
                 static_cast<int32_t>(cy + 300 * std::sin(angle))};
}

// This thread's processor time: what a move costs, whatever else the machine is doing.
double thread_cpu_micros() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e6 + static_cast<double>(t.tv_nsec) / 1e3;
}

void report_percentiles(benchmark::State& state, std::vector<double>& micros, const char* prefix) {
    if (micros.empty()) return;
    std::sort(micros.begin(), micros.end());
    const std::string p = prefix;
    state.counters[p + "median_us"] = micros[micros.size() / 2];
    state.counters[p + "p99_us"] = micros[std::min(micros.size() - 1, micros.size() * 99 / 100)];
}

// range(0): the character height; range(1): 1 while zoomed (the preview twice that).
void BM_TextPreviewMove(benchmark::State& state) {
    start_bench_scene();
    text_reset_settings();
    g_sceneHooks.drawTextPreview = text_draw_preview;
    g_textSizes[g_textSizeIndex] = static_cast<int32_t>(state.range(0));
    g_zoomed = static_cast<int32_t>(state.range(1));
    g_textPlacement = 1;
    std::vector<double> micros;
    std::vector<double> cpuMicros;
    micros.reserve(1 << 14);
    cpuMicros.reserve(1 << 14);
    int32_t step = 0;
    for (auto _ : state) {
        const Point p = path_point(step++);
        const double cpuStart = thread_cpu_micros();
        const auto start = std::chrono::steady_clock::now();
        input_pointer_move(p.x, p.y);
        const auto end = std::chrono::steady_clock::now();
        cpuMicros.push_back(thread_cpu_micros() - cpuStart);
        micros.push_back(std::chrono::duration<double, std::micro>(end - start).count());
    }
    g_textPlacement = 0;
    g_zoomed = 0;
    text_reset_settings();
    scene_release();

    report_percentiles(state, micros, "");
    report_percentiles(state, cpuMicros, "cpu_");
}

// The picture area's bytes at 1920 x 1080, copied row by row with memcpy.
void BM_TextPreviewBaseline(benchmark::State& state) {
    const size_t width = kBenchWidth - 166;
    const size_t rows = kBenchHeight - 112;
    const size_t stride = static_cast<size_t>(kBenchWidth) * 3;
    std::vector<uint8_t> from(stride * rows, 7);
    std::vector<uint8_t> to(stride * rows, 0);
    for (auto _ : state) {
        for (size_t y = 0; y < rows; ++y)
            std::memcpy(&to[y * stride], &from[y * stride], width * 3);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
}

}  // namespace

BENCHMARK(BM_TextPreviewBaseline)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TextPreviewMove)
    ->Args({72, 0})
    ->Args({80, 0})
    ->Args({80, 1})
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(3000);
