// The effect tools: Screwdriver, Sunglasses, Light bulb, Tissue, Tint crayon, Salt shaker and
// Chisel. They change the picture under the pointer instead of painting a colour: each dab
// filters a square of the picture and puts a disc of the result back. All seven share one
// stroke; the object's `mode` says which filter it runs. press, drag and release take picture
// coordinates.
#pragma once

#include "tools/scene_object.h"

// The filter of each effect tool, its `mode`.
enum EffectMode : int32_t {
    EFFECT_SHARPEN = 1,  // Screwdriver
    EFFECT_DARKEN = 2,   // Sunglasses
    EFFECT_LIGHTEN = 3,  // Light bulb
    EFFECT_BLUR = 4,     // Tissue
    EFFECT_TINT = 5,     // Tint crayon: raises the channel its red, green, blue switches choose
    EFFECT_GRAIN = 6,    // Salt shaker
    EFFECT_EMBOSS = 7,   // Chisel
};

// press keeps the undo bitmap (the picture as it was before the stroke) in auxHandle: the
// Chisel reads from it, so going over a place again within one stroke gives the same relief.
// Every other effect filters the picture as it now is and grows stronger with each dab. The
// tool's sound loops from press to release.
void effect_press(SceneObject* object, int32_t x, int32_t y);
void effect_drag(SceneObject* object, int32_t x, int32_t y);
void effect_release(SceneObject* object, int32_t x, int32_t y);

// The Tint crayon's panel: three size bars (16, 28, 40) over three coloured blobs that choose
// the channel, the chosen one ringed in green. A click (window coordinates; panel gives the
// origin) on a bar sets `size`, on a blob sets the switches (red, green, blue) to exactly one 1.
void tint_options_draw(SceneObject* object, const Rect* panel);
void tint_options_click(SceneObject* object, int32_t x, int32_t y, const Rect* panel);
