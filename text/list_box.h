// The list of font families, drawn by the program: each family's name in its own letters
// (or the labels' letters when its own have none for them), the chosen one on a blue band, a
// wooden scroll bar with arrows when the list is longer than its box, and a blue ring while it
// has the keyboard. Coordinates are dialog pixels.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "text/font_list.h"
#include "toolbox/toolbox.h"

// What an input did to the list.
enum class ListChange { None, View, Choice };

struct ListBox {
    Rect box;               // where the list shows
    BitmapRef canvas = -1;  // what the list draws into (not owned)
    FontList list;
    std::vector<int8_t> ownLetters;  // per entry: 1 its own letters, 0 not, -1 not known yet
    bool focused = false;
    bool draggingRows = false;   // a press on the rows is choosing
    bool draggingThumb = false;  // a press on the thumb is scrolling
    int32_t thumbGrab = 0;       // where in the thumb it was taken, pixels from its top
    int32_t heldStep = 0;        // rows a held arrow or track part moves per repeat
    Point heldAt;                // where that press was
};

// Starts the list over box with these names, the one equal to `chosen` chosen (else the first).
void list_box_start(ListBox* box, const Rect& r, BitmapRef canvas, std::vector<std::string> names,
                    const char* chosen);
// What the list covers on the canvas, its focus ring included.
Rect list_box_area(const ListBox& box);
void list_box_draw(ListBox* box);

ListChange list_box_key(ListBox* box, int32_t key);
ListChange list_box_type(ListBox* box, uint32_t code);
ListChange list_box_wheel(ListBox* box, int32_t notches);
// A press at (x, y): on a row it chooses it and starts a drag; on the scroll bar an arrow
// moves a row, the track a page (both repeat while held, see list_box_repeat), the thumb is
// taken for dragging.
ListChange list_box_press(ListBox* box, int32_t x, int32_t y);
ListChange list_box_drag(ListBox* box, int32_t x, int32_t y);
// The held arrow or track part moves once more, while the pointer (x, y) is still on it.
ListChange list_box_repeat(ListBox* box, int32_t x, int32_t y);
void list_box_release(ListBox* box);
