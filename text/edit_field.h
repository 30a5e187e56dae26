// The field the child types the text in, drawn by the program: the line in the labels'
// letters on white, the selection in blue, a blinking caret, a blue ring while it has the
// keyboard, scrolled sideways to keep the caret in view. Coordinates are dialog pixels.
#pragma once

#include <cstdint>

#include "text/line_edit.h"
#include "toolbox/toolbox.h"

struct EditField {
    Rect box;               // where the line shows
    BitmapRef canvas = -1;  // what the field draws into and measures with (not owned)
    LineEdit edit;
    int32_t scroll = 0;                       // pixels of the line hidden past the left edge
    int32_t offsets[kTextCapacity + 1] = {};  // x of each character's start from the line's
    TbLineMetrics letters;                    // how the field's letters measure
    bool focused = false;
    bool caretOn = true;    // the blink's phase
    bool dragging = false;  // a press in the field is selecting
};

// Starts the field over box with text, everything selected (as a field given the keyboard
// is), measured on canvas.
void edit_field_start(EditField* field, const Rect& box, BitmapRef canvas, const char* text);
// What the field covers on the canvas, its focus ring included.
Rect edit_field_area(const EditField& field);
// Draws the field into its canvas (over all of edit_field_area when focused, else the box).
void edit_field_draw(const EditField& field);

// Keyboard and pointer input; each returns whether the field must be drawn again. Keys that
// need the clipboard use the desktop's.
bool edit_field_key(EditField* field, int32_t key, int32_t modifiers);
bool edit_field_type(EditField* field, uint32_t code);
// A press at dialog x (a double press selects the word there; Shift stretches the selection);
// starts a drag.
bool edit_field_press(EditField* field, int32_t x, int32_t modifiers, bool doublePress);
bool edit_field_drag(EditField* field, int32_t x);
// The byte offset whose character boundary lies nearest dialog x.
int32_t edit_field_offset_at(const EditField& field, int32_t x);
