// The picture documents at 1920 x 1080, as a child meets them, with the file chooser answered
// at once (so what is measured is the program's own work beyond the chooser):
//   DocumentsSave       the remote's Save: the picture written whole and the file closed
//                       (replace:1 over an earlier file, which is flushed to the disk first);
//   DocumentsOpen       Open's answer to the picture composed in the room (a 1920 x 1080 file
//                       stretched to the picture);
//   DocumentsGallery    the gallery opened on a folder of 100 pictures of 1920 x 1080 and
//                       closed (steps:0), and with 99 steps to the next picture (steps:99):
//                       one step takes (steps:99 - steps:0) / 99.
// Baselines of the same run: DocumentsMemcpy copies the picture's bytes once in memory;
// DocumentsPlainWrite writes them to a new file with one call.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "bench_scene.h"
#include "pictures/commands.h"
#include "pictures/documents.h"
#include "pictures/gallery.h"
#include "resources/resource_ids.h"
#include "scene/scene_state.h"

namespace {

namespace fs = std::filesystem;

// The Tintamar folder of the run, with its Gallery of 100 pictures (one file, many names: the
// gallery reads only the picture it shows).
struct BenchHome {
    fs::path path = fs::temp_directory_path() / ("tintamar-docs-bench-" + std::to_string(getpid()));
    BenchHome() {
        fs::create_directories(path / "Gallery");
        fs::create_directories(path / "Many");
    }
    ~BenchHome() { fs::remove_all(path); }
};

const BenchHome& bench_home() {
    static const BenchHome home;
    return home;
}

// The room at 1920 x 1080 with a painted picture, its home folder the run's.
void start_documents_scene() {
    static bool started = false;
    if (started) return;
    started = true;
    start_bench_scene();
    std::strcpy(g_homeFolder, bench_home().path.c_str());
    DibImage* picture = tb_GetBitmapImage(g_pictureBitmap);
    const size_t bytes = static_cast<size_t>(tb_GetBitmapStorageWidth(g_pictureBitmap)) *
                         static_cast<size_t>(scene_picture_height());
    uint32_t seed = 12345;
    for (size_t i = 0; i < bytes; ++i) {
        seed = seed * 1103515245u + 12345u;
        picture->pixels[i] = static_cast<uint8_t>(seed >> 16);
    }
}

size_t picture_bytes() {
    return static_cast<size_t>(tb_GetBitmapStorageWidth(g_pictureBitmap)) *
           static_cast<size_t>(scene_picture_height());
}

// A 1920 x 1080 picture file, and the folder of 100 names for it.
const std::string& full_hd_file() {
    static const std::string file = [] {
        start_documents_scene();
        std::string path = (bench_home().path / "Many" / "p000.bmp").string();
        Rect r{0, 0, kBenchWidth, kBenchHeight};
        BitmapRef b = tb_CreateBitmap(&r, -1, 24);
        tb_SetForeColor(b, 30000, 50000, 10000);
        tb_PaintRect(b, &r);
        tb_OpenFileForWriting(path.c_str());
        tb_WriteBitmapToFile(b);
        tb_CloseFile();
        tb_DisposeBitmap(b);
        for (int i = 1; i < 100; ++i) {
            char name[16];
            std::snprintf(name, sizeof name, "p%03d.bmp", i);
            fs::create_hard_link(path, bench_home().path / "Many" / name);
        }
        return path;
    }();
    return file;
}

void DocumentsMemcpy(benchmark::State& state) {
    start_documents_scene();
    std::vector<uint8_t> copy(picture_bytes());
    const uint8_t* pixels = tb_GetBitmapImage(g_pictureBitmap)->pixels;
    for (auto _ : state) {
        std::memcpy(copy.data(), pixels, copy.size());
        benchmark::ClobberMemory();
    }
}

void DocumentsPlainWrite(benchmark::State& state) {
    start_documents_scene();
    const std::string file = (bench_home().path / "plain.bmp").string();
    const uint8_t* pixels = tb_GetBitmapImage(g_pictureBitmap)->pixels;
    for (auto _ : state) {
        state.PauseTiming();
        std::remove(file.c_str());
        state.ResumeTiming();
        int fd = open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (write(fd, pixels, picture_bytes()) < 0) state.SkipWithError("write failed");
        close(fd);
    }
}

void DocumentsSave(benchmark::State& state) {
    start_documents_scene();
    const std::string file = (bench_home().path / "Gallery" / "saved.bmp").string();
    for (auto _ : state) {
        state.PauseTiming();
        if (state.range(0) == 0) std::remove(file.c_str());
        headless::answer_file_chooser(file);
        g_pictureModified = 1;
        state.ResumeTiming();
        do_command(1);
        if (g_pictureModified != 0) state.SkipWithError("not saved");
    }
}

void DocumentsOpen(benchmark::State& state) {
    const std::string& file = full_hd_file();
    for (auto _ : state) {
        state.PauseTiming();
        headless::answer_file_chooser(file);
        state.ResumeTiming();
        do_command(3);
    }
}

void DocumentsGallery(benchmark::State& state) {
    full_hd_file();
    const std::string folder = (bench_home().path / "Many").string() + "/";
    const int32_t left = (kBenchWidth - kBitmapGallerySize.width) / 2;
    const int32_t top = (kBenchHeight - kBitmapGallerySize.height) / 2;
    for (auto _ : state) {
        state.PauseTiming();
        std::strcpy(g_browseFolder, folder.c_str());
        g_galleryPosition = 0;
        for (int64_t i = 0; i < state.range(0); ++i) {
            TbEvent press;
            press.kind = TB_EVENT_BUTTON_DOWN;
            press.x = left + 330;  // the next arrow
            press.y = top + 390;
            headless::push_event(press);
            press.kind = TB_EVENT_BUTTON_UP;
            headless::push_event(press);
        }
        TbEvent escape;
        escape.kind = TB_EVENT_KEY_DOWN;
        escape.key = TB_VK_ESCAPE;
        headless::push_event(escape);
        state.ResumeTiming();
        gallery_run();
        if (g_galleryPosition != state.range(0)) state.SkipWithError("did not step");
    }
}

}  // namespace

BENCHMARK(DocumentsMemcpy)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(DocumentsPlainWrite)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(DocumentsSave)
    ->ArgName("replace")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(DocumentsOpen)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(DocumentsGallery)
    ->ArgName("steps")
    ->Arg(0)
    ->Arg(99)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
