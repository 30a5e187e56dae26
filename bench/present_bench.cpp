// Showing the room on the screen at a room scale: the widening of 24-bit room pixels into
// blocks of 32-bit screen pixels that every present does (the window system's own transfer to
// the X server comes after and is not counted here). Cases take the screen's width and height
// and the scale; each screen size has its baseline, a memcpy of the screen's bytes
// (BM_PresentMemcpy). run_bench.sh prints the ratios.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "toolbox/room_scale.h"
#include "toolbox/toolbox.h"

namespace {

struct Screen {
    room_scale::Mapping mapping;
    DibImage room;
    std::vector<uint32_t> pixels;
    room_scale::ScreenRows rows;
};

// A room of screen / scale with a pattern in it, and a screen to show it on.
Screen make_screen(const benchmark::State& state) {
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    const int scale = state.range(2) == 0 ? room_scale::automatic(width, height)
                                          : static_cast<int>(state.range(2));
    Screen s;
    s.mapping = room_scale::Mapping{scale, width, height};
    tb_AllocDib24(&s.room, s.mapping.roomWidth(), s.mapping.roomHeight());
    const size_t stride = static_cast<size_t>((3 * s.mapping.roomWidth() + 3) & ~3);
    for (size_t i = 0; i < stride * s.mapping.roomHeight(); ++i) {
        s.room.pixels[i] = static_cast<uint8_t>(i * 7);
    }
    s.pixels.assign(static_cast<size_t>(width) * height, 0);
    s.rows = room_scale::ScreenRows{reinterpret_cast<uint8_t*>(s.pixels.data()), width * 4, 4,
                                    width, height};
    return s;
}

void label(benchmark::State& state, const Screen& s) {
    state.SetLabel("s=" + std::to_string(s.mapping.scale));
}

void BM_PresentMemcpy(benchmark::State& state) {
    const size_t bytes = static_cast<size_t>(state.range(0)) * state.range(1) * 4;
    std::vector<uint8_t> from(bytes, 1), to(bytes);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), bytes);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
}

void BM_PresentWholeRoom(benchmark::State& state) {
    Screen s = make_screen(state);
    const Rect all{0, 0, s.mapping.roomWidth(), s.mapping.roomHeight()};
    for (auto _ : state) {
        benchmark::DoNotOptimize(room_scale::enlarge(s.room, all, s.mapping, s.rows));
        benchmark::ClobberMemory();
    }
    label(state, s);
    tb_FreeDibImage(&s.room);
}

// What a short stroke changes: 60 x 60 room pixels in the middle of the picture.
void BM_PresentStroke60(benchmark::State& state) {
    Screen s = make_screen(state);
    const int x = s.mapping.roomWidth() / 2, y = s.mapping.roomHeight() / 2;
    const Rect stroke{x, y, x + 60, y + 60};
    for (auto _ : state) {
        benchmark::DoNotOptimize(room_scale::enlarge(s.room, stroke, s.mapping, s.rows));
        benchmark::ClobberMemory();
    }
    label(state, s);
    tb_FreeDibImage(&s.room);
}

// Screen width, height, scale (0 = automatic).
void screens(benchmark::internal::Benchmark* b) {
    b->Args({1920, 1080, 1})->Args({1920, 1080, 0})->Args({3840, 2160, 1})->Args({3840, 2160, 0});
}

void baselines(benchmark::internal::Benchmark* b) { b->Args({1920, 1080})->Args({3840, 2160}); }

BENCHMARK(BM_PresentMemcpy)->Apply(baselines)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PresentWholeRoom)->Apply(screens)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PresentStroke60)->Apply(screens)->Unit(benchmark::kMicrosecond);

}  // namespace
