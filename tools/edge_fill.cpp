// Nearest-pixel fill of the part of a work bitmap beyond the picture's edge.
#include "tools/edge_fill.h"

#include <algorithm>
#include <cstring>

void fill_outside_with_nearest(BitmapRef work, const Rect& inside) {
    DibImage* image = tb_GetBitmapImage(work);
    if (image == nullptr) return;
    const int32_t width = image->header->width;
    const int32_t height = image->header->height;
    const int32_t bitCount = image->header->bitCount;
    if (bitCount != 8 && bitCount != 24) return;
    const Rect in{std::max(inside.left, 0), std::max(inside.top, 0), std::min(inside.right, width),
                  std::min(inside.bottom, height)};
    if (in.left >= in.right || in.top >= in.bottom) return;
    if (in.left == 0 && in.top == 0 && in.right == width && in.bottom == height) return;

    const size_t pixelBytes = bitCount / 8;
    // Sideways first, on the rows of `inside`; then those whole rows up and down.
    for (int32_t y = in.top; y < in.bottom; ++y) {
        const uint8_t* first = tb_PixelAddress(image, in.left, y);
        const uint8_t* last = tb_PixelAddress(image, in.right - 1, y);
        for (int32_t x = 0; x < in.left; ++x) {
            std::memcpy(tb_PixelAddress(image, x, y), first, pixelBytes);
        }
        for (int32_t x = in.right; x < width; ++x) {
            std::memcpy(tb_PixelAddress(image, x, y), last, pixelBytes);
        }
    }
    const size_t rowBytes = pixelBytes * static_cast<size_t>(width);
    for (int32_t y = 0; y < in.top; ++y) {
        std::memcpy(tb_PixelAddress(image, 0, y), tb_PixelAddress(image, 0, in.top), rowBytes);
    }
    for (int32_t y = in.bottom; y < height; ++y) {
        std::memcpy(tb_PixelAddress(image, 0, y), tb_PixelAddress(image, 0, in.bottom - 1),
                    rowBytes);
    }
    const Rect whole{0, 0, width, height};
    tb_AddTouchedRect(work, &whole);
}
