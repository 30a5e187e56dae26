// The operations every scene object starts with, and the size choosers shared by several tools.
// A tool family replaces only the slots it needs and keeps these for the rest.
#pragma once

#include "tools/scene_object.h"

// The constructor: every field to its start value, the nine operations below into the slots.
void tool_init(SceneObject* object, BitmapRef sceneBitmap, BitmapRef pictureBitmap);

// Window point inside hotRect (right and bottom excluded): 1, else 0.
int32_t tool_default_hit_test(SceneObject* object, int32_t x, int32_t y);
// The freehand stroke (picture coordinates): a dot `size` wide at press, a line of width
// `size` for every drag; a size-1 stroke puts the press point and leaves each segment's end
// point for the next segment. The tool's sound loops from press to release.
void tool_default_press(SceneObject* object, int32_t x, int32_t y);
void tool_default_drag(SceneObject* object, int32_t x, int32_t y);
void tool_default_release(SceneObject* object, int32_t x, int32_t y);
// imageId cut out by maskId, scaled into hotRect of the back buffer; nothing when either is -1.
void tool_default_draw_object(SceneObject* object);
// The empty options panel (bitmap 152).
void tool_default_draw_options(SceneObject* object, const Rect* panel);
// Does nothing. The input dispatch compares a slot with this to know whether a tool has a panel.
void tool_default_click_options(SceneObject* object, int32_t x, int32_t y, const Rect* panel);
void tool_default_set_colour(SceneObject* object, int32_t red, int32_t green, int32_t blue);
// Frees the hit region.
void tool_default_dispose(SceneObject* object);

// Small things every tool family does: take the tool's colour as the target's fore and back
// colour, show the tool's pointer image, and play the tool's sound as a cue (only when nothing
// else plays).
void tool_use_colour(const SceneObject* object, TargetRef target);
void tool_show_cursor(const SceneObject* object);
void tool_play_cue(const SceneObject* object);

// How a tool family gives an entry its own stroke: the three stroke slots replaced at once.
inline void set_stroke_operations(SceneObject& object, ScenePointOp press, ScenePointOp drag,
                                  ScenePointOp release) {
    object.press = press;
    object.drag = drag;
    object.release = release;
}

// Size choosers: a white 94 x 82 panel with one black bar per size, the bar of the current size
// green. A click (window coordinates; the panel rectangle gives the origin) on a bar sets `size`
// at once. The first two of the six bars are 2 pixels wider on each side for the click only.
void pencil_sizes_draw(SceneObject* object, const Rect* panel);  // 1, 4, 8, 16, 24, 32
void pencil_sizes_click(SceneObject* object, int32_t x, int32_t y, const Rect* panel);
void brush_sizes_draw(SceneObject* object, const Rect* panel);  // 16, 20, 24, 28, 32, 36
void brush_sizes_click(SceneObject* object, int32_t x, int32_t y, const Rect* panel);
void texture_sizes_draw(SceneObject* object, const Rect* panel);  // 24, 32, 48
void texture_sizes_click(SceneObject* object, int32_t x, int32_t y, const Rect* panel);
void effect_sizes_draw(SceneObject* object, const Rect* panel);  // 16, 28, 40
void effect_sizes_click(SceneObject* object, int32_t x, int32_t y, const Rect* panel);

// Tool families hook in here: each family source defines one installer that replaces the slots
// of its entries in the freshly built table (keep the sharing: one function per slot for all
// entries of a group). The table builder calls every installer listed in
// scene/tool_families.cpp (declare it in tools/tool_families.h) after it has filled the per-entry
// fields and the size choosers.
using ToolFamilyInstaller = void (*)(SceneObject* table);
