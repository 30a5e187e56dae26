// The list of font families as a model: which entry is chosen and which rows are in view,
// changed by keys, typed letters, the wheel and pointer rows the way a list on the Linux
// desktop behaves. It knows nothing of drawing.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct FontList {
    std::vector<std::string> names;  // in the order shown
    int32_t selected = -1;           // -1: none
    int32_t top = 0;                 // the first row in view
    int32_t rowsInView = 1;          // rows that fit whole
};

// The entry named exactly `name`, or -1.
int32_t font_list_find(const FontList& list, const char* name);
// Chooses entry index (clamped; nothing for an empty list) and scrolls it into view.
// Returns whether the choice changed.
bool font_list_select(FontList* list, int32_t index);
// Up, Down, Page Up, Page Down, Home and End; returns whether the choice changed.
bool font_list_key(FontList* list, int32_t key);
// A typed character: the next entry after the chosen one whose name starts with it, regardless
// of case, going round past the end. Returns whether the choice changed.
bool font_list_type(FontList* list, uint32_t code);
// Scrolls by rows (negative: up) without changing the choice; returns whether the view moved.
bool font_list_scroll(FontList* list, int32_t rows);
// Keeps `top` inside the list, with as many rows in view as there can be.
void font_list_clamp(FontList* list);
// The highest first row the view can have.
int32_t font_list_last_top(const FontList& list);
