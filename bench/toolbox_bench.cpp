// The pixel engine on a full-screen 1920 x 1080 24-bit picture. Each case can be read against
// BM_Memcpy, a plain memcpy of the same picture's bytes measured in the same run
// (run_bench.sh prints the ratios and the goals).
#include <benchmark/benchmark.h>

#include <cstring>

#include "toolbox/platform_headless.h"
#include "toolbox/toolbox.h"

namespace {

constexpr int32_t kWidth = 1920;
constexpr int32_t kHeight = 1080;
constexpr uint32_t kFull = 65025;
const Rect kWhole{0, 0, kWidth, kHeight};

int32_t ignore_box(int32_t /*kind*/, const char* /*title*/, const char* /*text*/) { return 1; }

struct Pictures {
    BitmapRef first;
    BitmapRef second;
    size_t bytes;  // one picture's pixel block
};

// A fresh toolbox with two black pictures of the screen's size.
Pictures fresh_pictures() {
    headless::reset();
    tb_SetMessageSink(ignore_box);
    tb_Startup();
    Rect r = kWhole;
    Pictures p{tb_CreateBitmap(&r, -1, 24), tb_CreateBitmap(&r, -1, 24), 0};
    p.bytes = static_cast<size_t>(tb_GetBitmapStorageWidth(p.first)) * kHeight;
    return p;
}

void BM_Memcpy(benchmark::State& state) {
    Pictures p = fresh_pictures();
    uint8_t* from = tb_GetBitmapImage(p.first)->pixels;
    uint8_t* to = tb_GetBitmapImage(p.second)->pixels;
    for (auto _ : state) {
        std::memcpy(to, from, p.bytes);
        benchmark::DoNotOptimize(to);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * p.bytes));
}

// The whole picture is one colour; each pass floods it with the other.
void BM_FloodFillWholePicture(benchmark::State& state) {
    Pictures p = fresh_pictures();
    uint32_t surface = 0;
    for (auto _ : state) {
        uint32_t fill = kFull - surface;
        tb_SetForeColor(p.first, fill, fill, fill);
        tb_FloodFill(p.first, kWidth / 2, kHeight / 2, surface, surface, surface);
        surface = fill;
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * p.bytes));
}

void BM_CopyWholePicture(benchmark::State& state) {
    Pictures p = fresh_pictures();
    for (auto _ : state) {
        tb_CopyBitmap(p.first, p.second, &kWhole, &kWhole, 0);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * p.bytes));
}

void BM_StretchQuarterTwice(benchmark::State& state) {
    Pictures p = fresh_pictures();
    const Rect quarter{0, 0, kWidth / 2, kHeight / 2};
    for (auto _ : state) {
        tb_CopyBitmap(p.first, p.second, &quarter, &kWhole, 0);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * p.bytes));
}

void BM_PaintEllipse200(benchmark::State& state) {
    Pictures p = fresh_pictures();
    tb_SetForeColor(p.first, kFull, 0, 0);
    const Rect box{860, 440, 1060, 640};
    for (auto _ : state) {
        tb_PaintEllipse(p.first, &box);
        benchmark::ClobberMemory();
    }
}

void BM_WideLine36AcrossPicture(benchmark::State& state) {
    Pictures p = fresh_pictures();
    tb_SetForeColor(p.first, 0, 0, kFull);
    for (auto _ : state) {
        tb_Line(p.first, 0, 0, kWidth - 1, kHeight - 1, 36);
        benchmark::ClobberMemory();
    }
}

}  // namespace

BENCHMARK(BM_Memcpy)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FloodFillWholePicture)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CopyWholePicture)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StretchQuarterTwice)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintEllipse200)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WideLine36AcrossPicture)->Unit(benchmark::kMicrosecond);
