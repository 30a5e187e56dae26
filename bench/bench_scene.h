// The room as the scene benchmarks measure it: a headless 1920 x 1080 screen with the main
// window open and the scene started, boxes answered silently.
#pragma once

#include "scene/scene.h"
#include "toolbox/platform_headless.h"
#include "toolbox/toolbox.h"

constexpr int32_t kBenchWidth = 1920;
constexpr int32_t kBenchHeight = 1080;

inline int32_t bench_ignore_box(int32_t, const char*, const char*) { return 1; }

inline void start_bench_scene() {
    headless::reset();
    tb_SetMessageSink(bench_ignore_box);
    tb_Startup();
    Rect screen{0, 0, kBenchWidth, kBenchHeight};
    headless::set_screen(24, screen);
    tb_OpenWindow(&screen, "Tintamar");
    tb_SetPointerMode(2);
    scene_startup(kBenchWidth, kBenchHeight);
}
