// The six texture brushes: paper, weave, waves, pebbles, cells and bubbles.
#include "tools/texture_brushes.h"

#include "resources/resource_ids.h"
#include "tools/filters.h"
#include "tools/paint_tools.h"
#include "tools/tool_families.h"
#include "tools/tool_ops.h"

namespace {

// The first dab of a stroke is pressed more gently than the ones that follow.
constexpr int32_t kFirstStrength = 15;
constexpr int32_t kStrength = 20;
// How far down and right the relief looks for the grain it compares with.
constexpr int32_t kReliefShift = 2;

void drop_texture(SceneObject& o) {
    if (o.auxHandle != -1) tb_DisposeBitmap(o.auxHandle);
    o.auxHandle = -1;
}

void press_texture(const SceneObject& o, int32_t x, int32_t y, int32_t strength) {
    const int32_t r = tool_radius(&o);
    const Rect square{x - r, y - r, x + r, y + r};
    tb_EmbossTexture(o.pictureBitmap, o.auxHandle, &square, strength, kReliefShift);
}

}  // namespace

void texture_press(SceneObject* object, int32_t x, int32_t y) {
    SceneObject& o = *object;
    tb_PlaySoundLoop(kSoundTexture);
    // A press whose release never came (the window lost the focus in between) would otherwise
    // leave its texture behind for good.
    drop_texture(o);
    Rect pictureRect;
    tb_GetBitmapRect(o.pictureBitmap, &pictureRect);
    o.auxHandle = create_texture_bitmap(pictureRect, static_cast<int16_t>(o.mode));
    // Without a texture (the toolbox has said why) there is nothing to press.
    if (o.auxHandle != -1) press_texture(o, x, y, kFirstStrength);
    o.active = 1;
    tool_show_cursor(object);
}

void texture_drag(SceneObject* object, int32_t x, int32_t y) {
    const SceneObject& o = *object;
    if (o.active == 0 || o.auxHandle == -1) return;
    press_texture(o, x, y, kStrength);
    tool_show_cursor(object);
}

void texture_release(SceneObject* object, int32_t, int32_t) {
    SceneObject& o = *object;
    if (o.active == 0) return;
    o.active = 0;
    drop_texture(o);
    tb_StopSound();
}

void texture_dispose(SceneObject* object) {
    drop_texture(*object);
    tool_default_dispose(object);
}

void install_texture_brushes(SceneObject* table) {
    for (int32_t entry = 9; entry <= 14; ++entry) {
        set_stroke_operations(table[entry], texture_press, texture_drag, texture_release);
        table[entry].dispose = texture_dispose;
    }
}
