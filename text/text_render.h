// The text tool's renderer: one line of text in any installed font family, with the bottom
// centre of the line at the anchor point.
#pragma once

#include <cstdint>

#include "toolbox/toolbox.h"

// Draws the first `length` bytes of text (UTF-8) on target (a bitmap, a window or TB_PRINTER;
// x and y in the target's own pixels) in font family `faceName`, `size` pixels high
// (character height), style 0 plain, 1 bold, 2 italic, 3 underlined, 4 struck out (any other
// is plain), in the colour red, green, blue (0..65025 each; out-of-range values are clamped),
// turned `angle` whole degrees counter-clockwise about the anchor, inside clip (a rectangle in
// the target's pixels; null or all four -1 for none, which is how the target is left after).
// *width and *height receive the line's extent: its length and the height of one line of
// the font. An empty text draws nothing. Nothing is reported. The target keeps the size,
// style and fore colour this line was drawn with.
void text_render(TargetRef target, int32_t x, int32_t y, const char* text, int32_t length,
                 const char* faceName, int32_t size, int32_t style, int32_t red, int32_t green,
                 int32_t blue, int32_t* width, int32_t* height, int32_t angle, const Rect* clip);
