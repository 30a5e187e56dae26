// The texture brushes: six tools that press a relief into the picture, lighter and darker
// following the grain of a grey pattern while the picture keeps its colours. They share one
// stroke; the object's `mode` is the pattern's resource id. press, drag and release take picture
// coordinates.
#pragma once

#include "tools/scene_object.h"

// press tiles the pattern over a bitmap the picture's size, from the picture's top-left corner,
// so every stroke finds the same grain at the same place; the bitmap is kept in auxHandle until
// release disposes of it. Each dab presses the square of half-width size / 2 (the first of a
// stroke more gently than the rest) into the picture as it now is, so going over a place again
// deepens the relief. The roller's sound loops from press to release.
void texture_press(SceneObject* object, int32_t x, int32_t y);
void texture_drag(SceneObject* object, int32_t x, int32_t y);
void texture_release(SceneObject* object, int32_t x, int32_t y);
// Frees a texture a stroke still holds (the table is rebuilt in mid-stroke), then the region.
void texture_dispose(SceneObject* object);
