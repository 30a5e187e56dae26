// Direct pixel work on 24-bit images: single pixels and the brightness and channel adjustments
// the painting tools apply. Coordinates are image pixels, top-left origin; nothing outside the
// image is ever read or written, and other depths are left alone.
#include <algorithm>
#include <cmath>

#include "toolbox/internal.h"

namespace {

bool is_24_bit(const DibImage* image) {
    return image != nullptr && image->header != nullptr && image->header->bitCount == 24;
}

// What each byte value becomes: the integer part of v * (percent / 100), plus `add`, kept in
// 0..255. One table per channel makes the per-pixel work a lookup.
struct ByteMap {
    uint8_t to[256];
};

ByteMap make_map(int32_t percent, int32_t add) {
    ByteMap map;
    const double factor = percent / 100.0;
    for (int v = 0; v < 256; ++v) {
        double scaled = std::trunc(v * factor) + add;
        map.to[v] = static_cast<uint8_t>(std::clamp(scaled, 0.0, 255.0));
    }
    return map;
}

// Applies the maps to columns [left, right) of stored rows [firstRow, lastRow).
void map_area(DibImage* image, int32_t left, int32_t right, int64_t firstRow, int64_t lastRow,
              const ByteMap& red, const ByteMap& green, const ByteMap& blue) {
    const DibHeader& h = *image->header;
    left = std::max(left, 0);
    right = std::min(right, h.width);
    firstRow = std::max<int64_t>(firstRow, 0);
    lastRow = std::min<int64_t>(lastRow, h.height);
    if (left >= right || firstRow >= lastRow) return;
    const auto stride = static_cast<size_t>(tb_StorageWidth(24, h.width));
    for (int64_t r = firstRow; r < lastRow; ++r) {
        uint8_t* p =
            image->pixels + static_cast<size_t>(r) * stride + 3 * static_cast<size_t>(left);
        for (int32_t x = left; x < right; ++x, p += 3) {
            p[0] = blue.to[p[0]];
            p[1] = green.to[p[1]];
            p[2] = red.to[p[2]];
        }
    }
}

// Image rows top <= y < bottom, located through the height h the caller gives, as stored rows.
void map_rect(DibImage* image, int32_t h, int32_t left, int32_t top, int32_t right, int32_t bottom,
              const ByteMap& red, const ByteMap& green, const ByteMap& blue) {
    if (!is_24_bit(image)) return;
    // Row y is stored row h - y - 1, so rows [top, bottom) are stored rows [h - bottom, h - top).
    map_area(image, left, right, int64_t{h} - bottom, int64_t{h} - top, red, green, blue);
}

}  // namespace

void tb_GetPixelRGB(const DibImage* image, int32_t x, int32_t y, uint8_t* red, uint8_t* green,
                    uint8_t* blue) {
    *red = *green = *blue = 0;
    if (!is_24_bit(image)) return;
    if (const uint8_t* p = tb_PixelAddress(image, x, y)) {
        *blue = p[0];
        *green = p[1];
        *red = p[2];
    }
}

void tb_SetPixelRGB(DibImage* image, int32_t x, int32_t y, uint8_t red, uint8_t green,
                    uint8_t blue) {
    if (!is_24_bit(image)) return;
    if (uint8_t* p = tb_PixelAddress(image, x, y)) {
        p[0] = blue;
        p[1] = green;
        p[2] = red;
    }
}

void tb_ScaleBrightness(DibImage* image, int32_t w, int32_t h, int32_t percent) {
    if (!is_24_bit(image)) return;
    const ByteMap map = make_map(percent, 0);
    map_area(image, 0, w, 0, h, map, map, map);
}

void tb_ScaleBrightnessRect(DibImage* image, int32_t /*w*/, int32_t h, int32_t left, int32_t top,
                            int32_t right, int32_t bottom, int32_t percent) {
    const ByteMap map = make_map(percent, 0);
    map_rect(image, h, left, top, right, bottom, map, map, map);
}

void tb_ScaleChannelsRect(DibImage* image, int32_t /*w*/, int32_t h, int32_t left, int32_t top,
                          int32_t right, int32_t bottom, int32_t redPercent, int32_t greenPercent,
                          int32_t bluePercent) {
    map_rect(image, h, left, top, right, bottom, make_map(redPercent, 0), make_map(greenPercent, 0),
             make_map(bluePercent, 0));
}

void tb_ScaleOffsetChannelsRect(DibImage* image, int32_t /*w*/, int32_t h, int32_t left,
                                int32_t top, int32_t right, int32_t bottom, int32_t redPercent,
                                int32_t greenPercent, int32_t bluePercent, int32_t redAdd,
                                int32_t greenAdd, int32_t blueAdd) {
    map_rect(image, h, left, top, right, bottom, make_map(redPercent, redAdd),
             make_map(greenPercent, greenAdd), make_map(bluePercent, blueAdd));
}

void tb_SetColourWhereRed(DibImage* image, uint8_t red, TbColor colour) {
    if (!is_24_bit(image)) return;
    const DibHeader& h = *image->header;
    const auto stride = static_cast<size_t>(tb_StorageWidth(24, h.width));
    for (int32_t row = 0; row < h.height; ++row) {
        uint8_t* p = image->pixels + static_cast<size_t>(row) * stride;
        for (int32_t x = 0; x < h.width; ++x, p += 3) {
            if (p[2] != red) continue;
            p[0] = tb_ColorBlue(colour);
            p[1] = tb_ColorGreen(colour);
            p[2] = tb_ColorRed(colour);
        }
    }
}
