// Saving and opening a 1920 x 1080 picture, next to writing and reading the same number of bytes
// with plain stdio calls in the same run. Compare SavePicture with PlainWrite and OpenPicture
// with PlainRead (replace:0 the file did not exist, replace:1 an existing file is overwritten).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "pictures/bmp_reader.h"
#include "toolbox/toolbox.h"

namespace {

constexpr int32_t kWidth = 1920;
constexpr int32_t kHeight = 1080;
constexpr size_t kFileBytes = 54 + size_t{kWidth} * 3 * kHeight;

int32_t quiet_box(int32_t, const char*, const char*) { return 1; }

// A folder of our own for the run, removed at exit.
struct BenchFolder {
    std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("tintamar-bmp-bench-" + std::to_string(getpid()));
    BenchFolder() { std::filesystem::create_directories(path); }
    ~BenchFolder() { std::filesystem::remove_all(path); }
};

std::string bench_path(const char* name) {
    static const BenchFolder folder;
    return (folder.path / name).string();
}

// A picture with every byte different from its neighbours, as a painting would have.
BitmapRef bench_picture() {
    static BitmapRef picture = [] {
        tb_SetMessageSink(quiet_box);
        tb_Startup();
        Rect r{0, 0, kWidth, kHeight};
        BitmapRef b = tb_CreateBitmap(&r, -1, 24);
        DibImage* img = tb_GetBitmapImage(b);
        uint32_t seed = 12345;
        for (size_t i = 0; i < kFileBytes - 54; ++i) {
            seed = seed * 1103515245u + 12345u;
            img->pixels[i] = static_cast<uint8_t>(seed >> 16);
        }
        return b;
    }();
    return picture;
}

void prepare(benchmark::State& state, const std::string& file) {
    if (state.range(0) == 0) {
        state.PauseTiming();
        std::remove(file.c_str());
        state.ResumeTiming();
    }
}

void SavePicture(benchmark::State& state) {
    BitmapRef picture = bench_picture();
    std::string file = bench_path("saved.bmp");
    for (auto _ : state) {
        prepare(state, file);
        tb_OpenFileForWriting(file.c_str());
        if (tb_WriteBitmapToFile(picture) != 1) state.SkipWithError("write failed");
        if (tb_CloseFile() != 1) state.SkipWithError("close failed");
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kFileBytes));
}

void PlainWrite(benchmark::State& state) {
    const uint8_t* bytes = tb_GetBitmapImage(bench_picture())->pixels;
    std::string file = bench_path("plain.bmp");
    for (auto _ : state) {
        prepare(state, file);
        std::FILE* f = std::fopen(file.c_str(), "wb");
        std::fwrite(bytes, 1, 54, f);
        std::fwrite(bytes, 1, kFileBytes - 54, f);
        if (std::fclose(f) != 0) state.SkipWithError("close failed");
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kFileBytes));
}

// The picture saved once, for the reading benchmarks.
const std::string& saved_picture() {
    static const std::string file = [] {
        std::string path = bench_path("open.bmp");
        tb_OpenFileForWriting(path.c_str());
        tb_WriteBitmapToFile(bench_picture());
        tb_CloseFile();
        return path;
    }();
    return file;
}

void OpenPicture(benchmark::State& state) {
    const std::string& file = saved_picture();
    for (auto _ : state) {
        Rect r;
        tb_OpenFileForReading(file.c_str());
        BitmapRef b = read_bmp_picture(&r);
        tb_CloseFile();
        if (b < 0) state.SkipWithError("read failed");
        tb_DisposeBitmap(b);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kFileBytes));
}

// Reads into fresh memory each time, as opening a picture needs a new bitmap.
void PlainRead(benchmark::State& state) {
    const std::string& file = saved_picture();
    for (auto _ : state) {
        auto buffer = std::unique_ptr<uint8_t[]>(new uint8_t[kFileBytes]);
        std::FILE* f = std::fopen(file.c_str(), "rb");
        size_t got = std::fread(buffer.get(), 1, kFileBytes, f);
        std::fclose(f);
        if (got != kFileBytes) state.SkipWithError("short read");
        benchmark::DoNotOptimize(buffer.get());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kFileBytes));
}

}  // namespace

BENCHMARK(SavePicture)
    ->ArgName("replace")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(PlainWrite)
    ->ArgName("replace")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(OpenPicture)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(PlainRead)->Unit(benchmark::kMillisecond)->UseRealTime();
