// The BMP reader: the program's door for picture files from anywhere.
#pragma once

#include "toolbox/toolbox.h"

// The largest picture the reader accepts; anything bigger is refused before allocating.
constexpr int32_t kMaxPictureSide = 16384;
constexpr int64_t kMaxPicturePixels = 50'000'000;

// Reads a BMP file (uncompressed, bottom-up rows, 24 or 8 bits per pixel) from the toolbox's
// byte stream, which the caller has opened for reading and closes afterwards. Returns a new
// 24-bit bitmap that the caller disposes of with tb_DisposeBitmap, and sets rect to
// (0, 0, width, height); or -1, with nothing allocated, for any other file.
//
// The pixel byte count is the file size field minus the pixel offset field, and the pixels are
// read right after the headers (and the 256-entry colour table of an 8-bit file). A file that
// promises more pixel bytes than the picture holds is cut to the picture; one that delivers
// fewer leaves the rest of the picture black.
BitmapRef read_bmp_picture(Rect* rect);
