// The Scissors and the three stamp books: tools that carry a picture under the pointer and
// stamp copies of it into the painting. The Scissors cut a rectangle out of what the screen
// shows of the picture (g_floatingImage); a stamp book stamps the stamp chosen in the stamp
// picker (g_stampImage through g_stampMask). Both draw what they carry straight onto the main
// window (auxHandle) and take the window back from the back buffer (sceneBitmap) where it was.
//
// press and drag take window coordinates; so does the Scissors' release. A stamp book's
// release does nothing.
#pragma once

#include <cstdint>

#include "tools/scene_object.h"

// A stamp is a 48 x 48 square of its sheet.
constexpr int32_t kStampSide = 48;

// Scissors (entry 8). `mode` 0: a press starts a rubber band, clamped to the picture area,
// and a release over the picture cuts what it frames when that is at least 8 x 8; `mode` 1:
// the cut follows the pointer and every press stamps a copy (at half size while zoomed, as the
// cut was taken from the screen). A release off the picture or the C key ends carrying;
// `size` then drops back to 1.
void scissors_press(SceneObject* object, int32_t x, int32_t y);
void scissors_drag(SceneObject* object, int32_t x, int32_t y);
void scissors_release(SceneObject* object, int32_t x, int32_t y);

// Stamp books (entries 15-17): a press stamps the current stamp, 48 x 48 picture pixels,
// centred on the point; while `active` the stamp follows the pointer on the window, twice as
// large while zoomed. Without a current stamp a press only makes the book active. The C key
// ends it.
void stamp_press(SceneObject* object, int32_t x, int32_t y);
void stamp_drag(SceneObject* object, int32_t x, int32_t y);
void stamp_release(SceneObject* object, int32_t x, int32_t y);

// Where stamp n lies on its sheet (sheet pixels): ten to a row, one pixel between them.
Rect stamp_cell(int32_t n);

// Makes stamp n of a sheet (picture and mask resources) the current stamp: new 48 x 48
// bitmaps (24-bit picture, 8-bit mask) replace g_stampImage and g_stampMask. When a bitmap
// cannot be made the toolbox has said so and there is no current stamp; returns whether there
// is one.
bool stamp_take_from_sheet(int32_t sheetId, int32_t maskSheetId, int32_t n);
