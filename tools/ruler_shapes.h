// The Ruler (a straight line) and the Shape template (ellipse or rectangle, outlined or filled).
// While the button is held they draw a rubber band straight onto the main window (auxHandle)
// and restore the window from the back buffer (sceneBitmap) under the previous band; the
// picture changes once, at release. press, drag and release take window coordinates.
#pragma once

#include "tools/scene_object.h"

// The Shape template's figures, its `mode`.
enum ShapeMode : int32_t {
    SHAPE_ELLIPSE_OUTLINE = 0,
    SHAPE_ELLIPSE_FILLED = 1,
    SHAPE_RECT_OUTLINE = 2,
    SHAPE_RECT_FILLED = 3,
};

void ruler_press(SceneObject* object, int32_t x, int32_t y);
void ruler_drag(SceneObject* object, int32_t x, int32_t y);
void ruler_release(SceneObject* object, int32_t x, int32_t y);

void shape_press(SceneObject* object, int32_t x, int32_t y);
void shape_drag(SceneObject* object, int32_t x, int32_t y);
void shape_release(SceneObject* object, int32_t x, int32_t y);

// The figure of a mode inside rect (the target's coordinates) in the target's fore colour;
// nothing when rect has no width or height. Used for the rubber band, the commit and the panel.
void draw_shape(TargetRef target, int32_t mode, const Rect& rect);

// The shape chooser: the four figures on a white 94 x 82 panel, the current one green. A click
// (window coordinates; panel gives the origin) on a figure makes it the mode.
void shape_chooser_draw(SceneObject* object, const Rect* panel);
void shape_chooser_click(SceneObject* object, int32_t x, int32_t y, const Rect* panel);
