// Direct pixel work on 24-bit images: reading and writing single pixels, and the brightness
// and channel adjustments with their areas and clamping.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <vector>

#include "test_support.h"

namespace {

struct Fixture {
    BitmapRef bitmap;
    DibImage* image;
};

// A w x h picture whose every pixel is (red, green, blue).
Fixture filled(int32_t w, int32_t h, uint32_t rgb) {
    fresh_toolbox();
    BitmapRef b = make_bitmap(w, h);
    for (int32_t y = 0; y < h; ++y) {
        for (int32_t x = 0; x < w; ++x) set_pixel_rgb(b, x, y, rgb);
    }
    return {b, tb_GetBitmapImage(b)};
}

// Every byte of the image's pixel block, padding included.
std::vector<uint8_t> bytes_of(const DibImage* image) {
    size_t size = static_cast<size_t>(tb_StorageWidth(24, image->header->width)) *
                  static_cast<size_t>(image->header->height);
    return {image->pixels, image->pixels + size};
}

}  // namespace

TEST(Pixels, ReadAndWriteOnlyInsideTheImage) {
    Fixture f = filled(3, 2, 0x102030);
    uint8_t r = 9, g = 9, b = 9;
    tb_GetPixelRGB(f.image, 2, 1, &r, &g, &b);
    EXPECT_EQ((std::vector<int>{r, g, b}), (std::vector<int>{0x10, 0x20, 0x30}));
    tb_SetPixelRGB(f.image, 0, 1, 200, 100, 10);
    EXPECT_EQ(pixel_rgb(f.bitmap, 0, 1), 0xC8640Au);

    const std::vector<uint8_t> before = bytes_of(f.image);
    const int32_t outside[][2] = {{3, 0}, {0, 2}, {-1, 0}, {0, -1}, {INT32_MAX, INT32_MIN}};
    for (const auto& p : outside) {
        r = g = b = 9;
        tb_GetPixelRGB(f.image, p[0], p[1], &r, &g, &b);
        EXPECT_EQ(r + g + b, 0);
        tb_SetPixelRGB(f.image, p[0], p[1], 1, 2, 3);
    }
    EXPECT_EQ(bytes_of(f.image), before);
}

TEST(Pixels, ScalingMultipliesEveryByteAndClampsAt255) {
    Fixture f = filled(2, 2, 0xC8640A);  // red 200, green 100, blue 10
    tb_ScaleBrightness(f.image, 2, 2, 150);
    EXPECT_EQ(pixel_rgb(f.bitmap, 0, 0), 0xFF960Fu);
    EXPECT_EQ(pixel_rgb(f.bitmap, 1, 1), 0xFF960Fu);
    tb_ScaleBrightness(f.image, 2, 2, 100);
    EXPECT_EQ(pixel_rgb(f.bitmap, 1, 0), 0xFF960Fu);
    tb_ScaleBrightness(f.image, 2, 2, 33);  // the integer part: 255 * 0.33 = 84.15
    EXPECT_EQ(pixel_rgb(f.bitmap, 1, 0), 0x543104u);
    tb_ScaleBrightness(f.image, 2, 2, 0);
    EXPECT_EQ(pixel_rgb(f.bitmap, 0, 1), 0u);
}

TEST(Pixels, WholeImageScalingTakesTheLowestStoredRows) {
    Fixture f = filled(3, 3, 0x646464);
    tb_ScaleBrightness(f.image, 2, 1, 50);  // two columns of the bottom row
    EXPECT_EQ(pixel_rgb(f.bitmap, 0, 2), 0x323232u);
    EXPECT_EQ(pixel_rgb(f.bitmap, 1, 2), 0x323232u);
    EXPECT_EQ(pixel_rgb(f.bitmap, 2, 2), 0x646464u);
    EXPECT_EQ(pixel_rgb(f.bitmap, 0, 1), 0x646464u);
    const std::vector<uint8_t> before = bytes_of(f.image);
    tb_ScaleBrightness(f.image, 0, 3, 0);
    tb_ScaleBrightness(f.image, -5, -5, 0);
    EXPECT_EQ(bytes_of(f.image), before);
    tb_ScaleBrightness(f.image, INT32_MAX, INT32_MAX, 200);  // cut to the image
    EXPECT_EQ(pixel_rgb(f.bitmap, 2, 0), 0xC8C8C8u);
}

TEST(Pixels, RectangleAdjustmentsChangeTheirAreaOnly) {
    Fixture f = filled(4, 3, 0x808080);
    tb_ScaleBrightnessRect(f.image, 4, 3, 1, 0, 3, 2, 50);
    std::vector<uint32_t> got;
    for (int32_t y = 0; y < 3; ++y) {
        for (int32_t x = 0; x < 4; ++x) got.push_back(pixel_rgb(f.bitmap, x, y));
    }
    const uint32_t o = 0x808080, h = 0x404040;
    EXPECT_EQ(got, (std::vector<uint32_t>{o, h, h, o, o, h, h, o, o, o, o, o}));

    tb_ScaleChannelsRect(f.image, 4, 3, 0, 2, 1, 3, 200, 50, 0);
    EXPECT_EQ(pixel_rgb(f.bitmap, 0, 2), 0xFF4000u);
    EXPECT_EQ(pixel_rgb(f.bitmap, 1, 2), o);
}

TEST(Pixels, OffsetsAreAddedAfterScalingAndClampedBothWays) {
    Fixture f = filled(2, 1, 0xC8640A);
    tb_ScaleOffsetChannelsRect(f.image, 2, 1, 0, 0, 1, 1, 100, 100, 100, -20, 0, 300);
    EXPECT_EQ(pixel_rgb(f.bitmap, 0, 0), 0xB464FFu);  // (180, 100, 255)
    tb_ScaleOffsetChannelsRect(f.image, 2, 1, 1, 0, 2, 1, 50, -100, INT32_MAX, -101, 0, INT32_MIN);
    EXPECT_EQ(pixel_rgb(f.bitmap, 1, 0), 0x000000u);
    tb_ScaleOffsetChannelsRect(f.image, 2, 1, 1, 0, 2, 1, 0, 0, 0, 7, INT32_MAX, 255);
    EXPECT_EQ(pixel_rgb(f.bitmap, 1, 0), 0x07FFFFu);
}

TEST(Pixels, BadAreasAndOtherDepthsAreLeftAlone) {
    Fixture f = filled(5, 4, 0x646464);
    const std::vector<uint8_t> before = bytes_of(f.image);
    const int32_t areas[][4] = {{3, 1, 1, 3},   // inverted
                                {2, 2, 2, 3},   // empty
                                {5, 0, 9, 4},   // right of the image
                                {0, -9, 5, 0},  // above it
                                {INT32_MIN, INT32_MAX, INT32_MAX, INT32_MIN}};
    for (const auto& a : areas) {
        tb_ScaleBrightnessRect(f.image, 5, 4, a[0], a[1], a[2], a[3], 0);
        tb_ScaleChannelsRect(f.image, 5, 4, a[0], a[1], a[2], a[3], 0, 0, 0);
        tb_ScaleOffsetChannelsRect(f.image, 5, 4, a[0], a[1], a[2], a[3], 0, 0, 0, 9, 9, 9);
    }
    EXPECT_EQ(bytes_of(f.image), before);

    // A height that does not match the image moves the rows but never leaves the image.
    tb_ScaleBrightnessRect(f.image, 5, 2, 0, 0, 5, 4, 50);  // rows 0 and 1 are the bottom two
    EXPECT_EQ(pixel_rgb(f.bitmap, 0, 3), 0x323232u);
    EXPECT_EQ(pixel_rgb(f.bitmap, 0, 1), 0x646464u);
    tb_ScaleBrightnessRect(f.image, 5, INT32_MIN, 0, 0, 5, 4, 0);
    EXPECT_EQ(pixel_rgb(f.bitmap, 0, 1), 0x646464u);
    tb_ScaleBrightnessRect(f.image, 5, 100, INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX, 0);
    EXPECT_EQ(pixel_rgb(f.bitmap, 4, 0), 0x000000u);

    BitmapRef mask = make_bitmap(4, 2, 8);
    DibImage* m = tb_GetBitmapImage(mask);
    std::memset(m->pixels, 200, 8);
    tb_ScaleBrightness(m, 4, 2, 0);
    tb_ScaleBrightnessRect(m, 4, 2, 0, 0, 4, 2, 0);
    tb_SetPixelRGB(m, 0, 0, 1, 2, 3);
    uint8_t r = 9, g = 9, b = 9;
    tb_GetPixelRGB(m, 0, 0, &r, &g, &b);
    EXPECT_EQ(r + g + b, 0);
    EXPECT_EQ(*tb_PixelAddress(m, 1, 1), 200);
    EXPECT_EQ(*tb_PixelAddress(m, 0, 0), 200);
}
