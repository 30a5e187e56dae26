// The fancy brushes of the last shelf: Ball brush (25), Mirror brush (26), Star wand (27),
// Needle and thread (28) and Splat gun (29). All take picture coordinates and paint into the
// object's pictureBitmap; the input dispatch shows what changed. Every operation ends with the
// tool's pointer image.
//
// `mode` of the ball brush, star wand, needle and splat gun: 0 paints in the tool colour,
// 1 in a random colour drawn afresh for every event. `mode` of the mirror brush: 1 two-way,
// 2 four-way.
#pragma once

#include "tools/scene_object.h"
#include "tools/random_rules.h"

// Ball brush: a shaded ball of random size near the pointer for every event; each smaller ring
// inside it is a step brighter, and a strong step for dark colours. A random pop plays when
// nothing else does.
void ball_press(SceneObject* object, int32_t x, int32_t y);
void ball_drag(SceneObject* object, int32_t x, int32_t y);
void fancy_release(SceneObject* object, int32_t x, int32_t y);  // ends the stroke, nothing else

// Mirror brush: the stroke repeated about the press point, left to right (two-way) and also
// top to bottom (four-way). The tool sound loops while the button is held.
void mirror_press(SceneObject* object, int32_t x, int32_t y);
void mirror_drag(SceneObject* object, int32_t x, int32_t y);
void mirror_release(SceneObject* object, int32_t x, int32_t y);
// The press point of the last mirror stroke, and where the last one ended.
Point mirror_centre();

// Star wand: a five-pointed star of random size near the pointer for every event, cut out by
// its own mask; twinkling loops while the button is held.
void star_press(SceneObject* object, int32_t x, int32_t y);
void star_drag(SceneObject* object, int32_t x, int32_t y);
void star_release(SceneObject* object, int32_t x, int32_t y);
// The star of side `size` as a new 24-bit image (the star in `colour` on white) and a new
// 8-bit mask (white star on black). Both are -1 when size is below 1 or a bitmap cannot be
// made; the caller disposes of them.
void make_star(int32_t size, const ToolColour& colour, BitmapRef* image, BitmapRef* mask);

// Needle and thread: four short 2-pixel stitches fanning out from the pointer, all in one
// colour per event (black in any mode but 0 and 1).
void needle_press(SceneObject* object, int32_t x, int32_t y);
void needle_drag(SceneObject* object, int32_t x, int32_t y);
void needle_release(SceneObject* object, int32_t x, int32_t y);

// Splat gun: one of three splats, recoloured and scaled to `size`, centred on the pointer and
// cut out by its mask; a random splash plays when nothing else does.
void splat_press(SceneObject* object, int32_t x, int32_t y);
void splat_drag(SceneObject* object, int32_t x, int32_t y);

// Options panels (window coordinates for clicks; the panel rectangle gives the origin). Size
// bars above a grey line, and below it two choices, the chosen one framed in green: the
// tool's own colour or random colours (Ball brush, Star wand, Needle: sizes 32, 48, 64; Splat
// gun: 60, 90, 120), or the two-way or four-way mirror (sizes 8, 16, 24).
void colour_mode_panel_draw(SceneObject* object, const Rect* panel);
void colour_mode_panel_click(SceneObject* object, int32_t x, int32_t y, const Rect* panel);
void splat_panel_draw(SceneObject* object, const Rect* panel);
void splat_panel_click(SceneObject* object, int32_t x, int32_t y, const Rect* panel);
void mirror_panel_draw(SceneObject* object, const Rect* panel);
void mirror_panel_click(SceneObject* object, int32_t x, int32_t y, const Rect* panel);
