// What goes on the printed page: where the picture lies, and light printing.
#pragma once

#include <cstdint>

#include "toolbox/toolbox.h"

// Where a picture of pictureWidth x pictureHeight pixels is printed on a page of pageWidth x
// pageHeight printer pixels: as large as 90 % of the page allows, keeping its proportions,
// and centred. Empty for an empty picture.
Rect printed_picture_rect(int32_t pictureWidth, int32_t pictureHeight, int32_t pageWidth,
                          int32_t pageHeight);

// Light printing: every pixel of a 24-bit bitmap whose column and row are both even or both
// odd turns white, a checkerboard that starts white at the top-left and saves half the ink.
void blank_checkerboard(BitmapRef bitmap);
