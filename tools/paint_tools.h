// The everyday painting tools of the first shelf besides the pencil: Paintbrush, Eraser, Spray
// can, Paint pot and Colour dropper. All take picture coordinates and paint into the object's
// pictureBitmap; the input dispatch shows what changed.
#pragma once

#include "tools/scene_object.h"

// Paintbrush: a soft blob that also blurs the picture around it; the tool sound loops.
void paintbrush_press(SceneObject* object, int32_t x, int32_t y);
void paintbrush_drag(SceneObject* object, int32_t x, int32_t y);
void paintbrush_release(SceneObject* object, int32_t x, int32_t y);

// Eraser: white squares of half-width size / 2; its sound only when nothing else plays.
void eraser_press(SceneObject* object, int32_t x, int32_t y);
void eraser_drag(SceneObject* object, int32_t x, int32_t y);
void eraser_release(SceneObject* object, int32_t x, int32_t y);

// Spray can: 2r single pixels of the tool colour per event within half-width r of the point.
void spray_press(SceneObject* object, int32_t x, int32_t y);
void spray_drag(SceneObject* object, int32_t x, int32_t y);
void spray_release(SceneObject* object, int32_t x, int32_t y);

// Paint pot: fills the area of the pressed pixel's colour with the tool colour, once per press.
void paint_pot_press(SceneObject* object, int32_t x, int32_t y);
void paint_pot_drag(SceneObject* object, int32_t x, int32_t y);
void paint_pot_release(SceneObject* object, int32_t x, int32_t y);

// Colour dropper: press and drag make the picture's colour at the point the current colour
// and show it in the swatch at once (black outside the picture).
void dropper_pick(SceneObject* object, int32_t x, int32_t y);
void dropper_release(SceneObject* object, int32_t x, int32_t y);

// The brush radius of a tool: size / 2, at least 1.
int32_t tool_radius(const SceneObject* object);

// Copies a disc of the given radius around the work bitmap's centre to the picture, centred on
// picture point (x, y), as five overlapping rectangles. Shared with the tools that filter
// under the pointer.
void copy_work_disc(BitmapRef work, BitmapRef picture, int32_t x, int32_t y, int32_t radius);
