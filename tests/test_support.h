// Helpers shared by the unit tests: a fresh toolbox with a headless screen, the message boxes
// it showed, and small bitmaps to check pixel by pixel.
#pragma once

#include <string>
#include <vector>

#include "toolbox/toolbox.h"

struct ShownBox {
    int32_t kind;
    std::string title;
    std::string text;
};

// An event of the given kind at window point (x, y), with a key (or wheel notches) and the
// TB_MOD_ flags held.
TbEvent event_of(int32_t kind, int32_t x = 0, int32_t y = 0, int32_t key = 0,
                 int32_t modifiers = 0);

// Starts the toolbox afresh with a headless 640 x 480 screen; boxes go to shown_boxes().
void fresh_toolbox();
std::vector<ShownBox>& shown_boxes();
// The answer the next question boxes get (1 yes, 0 no, -1 closed).
void answer_questions(int32_t answer);
// Texts of the boxes shown so far, in order.
std::vector<std::string> box_texts();

// 24-bit pixel of a bitmap as 0xRRGGBB (top-left origin).
uint32_t pixel_rgb(BitmapRef bitmap, int32_t x, int32_t y);
void set_pixel_rgb(BitmapRef bitmap, int32_t x, int32_t y, uint32_t rgb);
// The colour of any target's pixel (windows and 8-bit bitmaps too), black outside.
TbColor target_colour(TargetRef target, int32_t x, int32_t y);
BitmapRef make_bitmap(int32_t width, int32_t height, int32_t depth = 24, int32_t source = -1);
// Every pixel of a 24-bit bitmap as 0xRRGGBB, row by row.
std::vector<uint32_t> pixels_of(BitmapRef bitmap);
// The same, read through tb_CopyBitmap into a bitmap of its own (the way the program reads a
// snapshot copy, without asking for the bitmap's rows directly).
std::vector<uint32_t> pixels_through_copy(BitmapRef bitmap);
// The bounds of the pixels that differ from `before` (all 0 when none do).
Rect changed_bounds(BitmapRef bitmap, const std::vector<uint32_t>& before);
