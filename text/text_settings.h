// The text tool's settings: the line the child stamps, its font family, size and style, and
// how big it measured. The text dialog works on copies and writes them back only on OK.
#pragma once

#include <cstdint>

constexpr int32_t kTextCapacity = 256;      // bytes of the line, its terminating zero included
constexpr int32_t kFaceNameCapacity = 128;  // bytes of a family name, zero included
constexpr int32_t kTextSizeCount = 5;
constexpr int32_t kTextStyleCount = 3;  // in the dialog: 0 plain, 1 bold, 2 italic

// Character heights in pixels, by size index: 10, 20, 40, 60, 80.
extern int32_t g_textSizes[kTextSizeCount];

extern char g_textString[kTextCapacity];        // "Type your text in here."; UTF-8
extern char g_textFontName[kFaceNameCapacity];  // "Arial"
extern int32_t g_textSizeIndex;                 // 0..4, into g_textSizes
extern int32_t g_textStyle;                     // 0 plain, 1 bold, 2 italic
extern int32_t g_textWidth;  // the line's extent at its size, measured after each OK
extern int32_t g_textHeight;

// Puts every setting back to its start value (at start-up).
void text_reset_settings();
// The character height of the size index in force (a bad index counts as 0).
int32_t text_current_size();
