// The text tool: the dialog in which the child types a line of text and chooses its font,
// style and size, and the stamping of that text onto the picture.
#pragma once

#include <cstdint>

// Runs the text dialog: 1 OK, -1 cancel, 0 Escape.
int32_t text_dialog_run();
// Draws the text straight onto the main window at window point (x, y), clipped to the picture
// area, at twice its size while zoomed: the preview that follows the pointer.
void text_draw_preview(int32_t x, int32_t y);
// Stamps the text into the picture bitmap at picture point (x, y) in the current colour.
void text_stamp(int32_t x, int32_t y);
