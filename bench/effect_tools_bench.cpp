// The effect tools and the texture brushes at full-HD size: one dab of each effect at size 40
// (argument: its mode), one texture dab at size 48, and the texture press that tiles a grain
// over the whole picture (with the release that frees it). Each has a companion that copies the
// same bytes plainly, the yardstick for the ratio.
#include "bench/tool_stage.h"
#include "resources/resource_ids.h"
#include "tools/effect_tools.h"
#include "tools/texture_brushes.h"

namespace {

constexpr int32_t kPaperGrain = kBitmapTexturePaper;

// A picture with something in it: the sharpen, blur and emboss then work on real edges.
void stripe(const ToolStage& stage) {
    tb_SetForeColor(stage.picture, 0, 20000, 60000);
    for (int32_t x = 0; x < kStagePictureW; x += 16) {
        Rect bar{x, 0, x + 5, kStagePictureH};
        tb_PaintRect(stage.picture, &bar);
    }
}

void BM_EffectDab40(benchmark::State& state) {
    ToolStage stage;
    stripe(stage);
    Rect whole{0, 0, kStagePictureW, kStagePictureH};
    BitmapRef before = tb_CreateBitmap(&whole, -1, 24);
    tb_CopyBitmap(stage.picture, before, &whole, &whole, 0);
    SceneObject effect = stage.tool(40);
    effect.mode = static_cast<int32_t>(state.range(0));
    effect.red = 0;
    effect.green = 1;  // the Tint crayon's switches
    effect.blue = 0;
    effect.active = 1;
    effect.auxHandle = before;  // where the Chisel reads from
    int32_t step = 0;
    for (auto _ : state) effect_drag(&effect, 400 + (step++ % 500), 400);
    tb_DisposeBitmap(before);
}
BENCHMARK(BM_EffectDab40)->DenseRange(EFFECT_SHARPEN, EFFECT_EMBOSS);
// The dab's box is 2r = 40 pixels square.
void BM_CopyEffectBytes(benchmark::State& state) { copy_stage_rows(state, 40, 40); }
BENCHMARK(BM_CopyEffectBytes);

void BM_TextureDab48(benchmark::State& state) {
    ToolStage stage;
    SceneObject brush = stage.tool(48);
    brush.mode = kPaperGrain;
    texture_press(&brush, 400, 400);
    int32_t step = 0;
    for (auto _ : state) texture_drag(&brush, 400 + (step++ % 500), 400);
    texture_release(&brush, 0, 0);
}
BENCHMARK(BM_TextureDab48);
// The dab's square: 2r = 48 pixels.
void BM_CopyTextureDabBytes(benchmark::State& state) { copy_stage_rows(state, 48, 48); }
BENCHMARK(BM_CopyTextureDabBytes);

// A whole stroke's own cost: the grain tiled over a bitmap the picture's size, the first dab,
// and the release that frees it.
void BM_TexturePressAndRelease(benchmark::State& state) {
    ToolStage stage;
    SceneObject brush = stage.tool(32);
    brush.mode = kPaperGrain;
    for (auto _ : state) {
        texture_press(&brush, 400, 400);
        texture_release(&brush, 400, 400);
    }
}
BENCHMARK(BM_TexturePressAndRelease)->Unit(benchmark::kMillisecond);
void BM_CopyTexturePictureBytes(benchmark::State& state) {
    copy_stage_rows(state, kStagePictureW, kStagePictureH);
}
BENCHMARK(BM_CopyTexturePictureBytes)->Unit(benchmark::kMillisecond);

}  // namespace
