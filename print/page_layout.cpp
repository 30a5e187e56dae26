#include "print/page_layout.h"

#include <algorithm>
#include <cstring>

Rect printed_picture_rect(int32_t pictureWidth, int32_t pictureHeight, int32_t pageWidth,
                          int32_t pageHeight) {
    if (pictureWidth <= 0 || pictureHeight <= 0) return Rect{};
    // The scale is kept in single precision, and the printed size is the picture's size times
    // it, truncated: a page of the same size always gets the picture at the same pixels.
    float scale = std::min(static_cast<float>(0.9 * pageWidth / pictureWidth),
                           static_cast<float>(0.9 * pageHeight / pictureHeight));
    if (!(scale > 0)) scale = 1;  // a page of no size: print the picture as it is
    auto width = static_cast<int32_t>(static_cast<float>(pictureWidth) * scale);
    auto height = static_cast<int32_t>(static_cast<float>(pictureHeight) * scale);
    int32_t left = (pageWidth - width) / 2;
    int32_t top = (pageHeight - height) / 2;
    return Rect{left, top, left + width, top + height};
}

void blank_checkerboard(BitmapRef bitmap) {
    DibImage* image = tb_GetBitmapImage(bitmap);
    if (image == nullptr || image->header == nullptr || image->header->bitCount != 24) return;
    const int32_t width = image->header->width;
    const int32_t height = image->header->height;
    for (int32_t y = 0; y < height; ++y) {
        uint8_t* row = tb_PixelAddress(image, 0, y);
        for (int32_t x = y % 2; x < width; x += 2) std::memset(row + 3 * x, 0xFF, 3);
    }
}
