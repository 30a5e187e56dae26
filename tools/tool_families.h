// The installers of the everyday tool families. The table builder calls each once, after it has
// filled the per-entry fields and the size choosers; each replaces only the slots its tools own.
#pragma once

#include "tools/scene_object.h"

// Paintbrush (1), Eraser (2), Spray can (3), Paint pot (6), Colour dropper (7): press, drag and
// release.
void install_paint_tools(SceneObject* table);
// Ruler (4) and Shape template (5): press, drag and release; the shape chooser panel of entry 5.
void install_ruler_shapes(SceneObject* table);
// Scissors (8) and the stamp books (15-17): press, drag and release.
void install_scissors_stamps(SceneObject* table);
// Texture brushes (9-14): press, drag, release and dispose.
void install_texture_brushes(SceneObject* table);
// Effect tools (18-24): press, drag and release; the Tint crayon's panel (22).
void install_effect_tools(SceneObject* table);
// Ball brush (25), Mirror brush (26), Star wand (27), Needle and thread (28) and Splat gun
// (29): press, drag and release; the colour-mode panels and the mirror panel.
void install_fancy_brushes(SceneObject* table);
