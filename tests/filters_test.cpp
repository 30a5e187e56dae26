// The convolution, the named filters and the texture emboss, pixel by pixel on tiny bitmaps.
#include "tools/filters.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace {

constexpr uint32_t kWhite = 0xFFFFFF;

class FiltersTest : public ::testing::Test {
   protected:
    void SetUp() override { fresh_toolbox(); }

    // A bitmap filled with one colour (0xRRGGBB).
    static BitmapRef flat(int32_t w, int32_t h, uint32_t rgb) {
        BitmapRef b = make_bitmap(w, h);
        for (int32_t y = 0; y < h; ++y) {
            for (int32_t x = 0; x < w; ++x) set_pixel_rgb(b, x, y, rgb);
        }
        return b;
    }

    static int32_t bitmaps_in_use() {
        int32_t n = 0;
        for (BitmapRef b = 0; b < TB_MAX_BITMAPS; ++b) n += tb_GetBitmapImage(b) != nullptr ? 1 : 0;
        return n;
    }
};

TEST_F(FiltersTest, BlurOfWhiteDarkensOnlyTheBorderBecauseTheDivisorStays) {
    BitmapRef b = flat(4, 4, kWhite);
    apply_named_filter(b, Rect{0, 0, 4, 4}, NamedFilter::Blur3);
    EXPECT_EQ(pixel_rgb(b, 0, 0), 0x717171u);  // 4 x 255 / 9 = 113
    EXPECT_EQ(pixel_rgb(b, 3, 3), 0x717171u);
    EXPECT_EQ(pixel_rgb(b, 1, 0), 0xAAAAAAu);  // 6 x 255 / 9 = 170
    EXPECT_EQ(pixel_rgb(b, 1, 1), kWhite);

    BitmapRef c = flat(6, 6, kWhite);
    apply_named_filter(c, Rect{0, 0, 6, 6}, NamedFilter::Blur5);
    EXPECT_EQ(pixel_rgb(c, 0, 5), 0x5B5B5Bu);  // 9 x 255 / 25 = 91
    EXPECT_EQ(pixel_rgb(c, 1, 1), 0xA3A3A3u);  // 16 x 255 / 25 = 163
}

TEST_F(FiltersTest, EveryResultComesFromTheUnchangedBitmap) {
    // One white dot in black: its 3 x 3 neighbourhood gets exactly a ninth of it, which would
    // not hold if already filtered pixels were read again.
    BitmapRef b = flat(5, 5, 0x000000);
    set_pixel_rgb(b, 2, 2, kWhite);
    apply_named_filter(b, Rect{0, 0, 5, 5}, NamedFilter::Blur3);
    for (int32_t y = 0; y < 5; ++y) {
        for (int32_t x = 0; x < 5; ++x) {
            bool near = x >= 1 && x <= 3 && y >= 1 && y <= 3;
            EXPECT_EQ(pixel_rgb(b, x, y), near ? 0x1C1C1Cu : 0u) << x << "," << y;
        }
    }
}

TEST_F(FiltersTest, OffsetsClampAndBoostsTouchOneChannel) {
    BitmapRef b = flat(1, 1, 0xFD0064);  // (253, 0, 100)
    apply_named_filter(b, Rect{0, 0, 1, 1}, NamedFilter::Brighten, 5);
    EXPECT_EQ(pixel_rgb(b, 0, 0), 0xFF0569u);

    set_pixel_rgb(b, 0, 0, 0x030A00);  // (3, 10, 0)
    apply_named_filter(b, Rect{0, 0, 1, 1}, NamedFilter::Darken, 5);
    EXPECT_EQ(pixel_rgb(b, 0, 0), 0x000500u);

    set_pixel_rgb(b, 0, 0, 0x646464);
    apply_named_filter(b, Rect{0, 0, 1, 1}, NamedFilter::RedBoost, 20);
    EXPECT_EQ(pixel_rgb(b, 0, 0), 0x786464u);  // (120, 100, 100)

    set_pixel_rgb(b, 0, 0, 0xC8D5C8);  // green 213 x 1.2 = 255.6: cut at 255
    apply_named_filter(b, Rect{0, 0, 1, 1}, NamedFilter::GreenBoost, 20);
    EXPECT_EQ(pixel_rgb(b, 0, 0), 0xC8FFC8u);

    // A negative amount counts as none.
    set_pixel_rgb(b, 0, 0, 0x646464);
    apply_named_filter(b, Rect{0, 0, 1, 1}, NamedFilter::Darken, -7);
    EXPECT_EQ(pixel_rgb(b, 0, 0), 0x646464u);
}

TEST_F(FiltersTest, EmbossTurnsAnyFlatAreaTo200) {
    for (uint32_t colour : {0x000000u, 0x255AFAu, kWhite}) {
        BitmapRef b = flat(5, 5, colour);
        apply_named_filter(b, Rect{0, 0, 5, 5}, NamedFilter::Emboss);
        EXPECT_EQ(pixel_rgb(b, 2, 2), 0xC8C8C8u) << std::hex << colour;
        tb_DisposeBitmap(b);
    }
}

TEST_F(FiltersTest, GrainSpecklesWithinItsBoundsOneFactorPerPixel) {
    BitmapRef b = flat(16, 16, 0xC8C8C8);
    apply_named_filter(b, Rect{0, 0, 16, 16}, NamedFilter::Grain, 10);
    bool varied = false;
    for (int32_t y = 0; y < 16; ++y) {
        for (int32_t x = 0; x < 16; ++x) {
            uint32_t p = pixel_rgb(b, x, y);
            uint32_t red = p >> 16;
            ASSERT_GE(red, 180u);  // 200 x 90 %
            ASSERT_LE(red, 220u);  // 200 x 110 %
            EXPECT_EQ(p, red * 0x010101u) << "one draw per pixel, shared by its channels";
            varied = varied || p != pixel_rgb(b, 0, 0);
        }
    }
    EXPECT_TRUE(varied);
}

TEST_F(FiltersTest, OnlyThePartOfTheRectangleInsideChanges) {
    BitmapRef b = flat(4, 4, kWhite);
    int32_t before = bitmaps_in_use();
    apply_named_filter(b, Rect{-3, -3, 2, 2}, NamedFilter::Blur3);
    EXPECT_EQ(pixel_rgb(b, 0, 0), 0x717171u);
    EXPECT_EQ(pixel_rgb(b, 1, 0), 0xAAAAAAu);
    EXPECT_EQ(pixel_rgb(b, 1, 1), kWhite);
    EXPECT_EQ(pixel_rgb(b, 2, 0), kWhite);  // outside the rectangle: untouched
    EXPECT_EQ(pixel_rgb(b, 0, 2), kWhite);

    apply_named_filter(b, Rect{4, 0, 9, 4}, NamedFilter::Blur3);
    apply_named_filter(b, Rect{-9, -9, -1, -1}, NamedFilter::Emboss);
    EXPECT_EQ(pixel_rgb(b, 3, 3), kWhite);
    EXPECT_EQ(pixel_rgb(b, 3, 0), kWhite);
    EXPECT_EQ(bitmaps_in_use(), before);  // the work bitmaps are gone
    EXPECT_TRUE(shown_boxes().empty());
}

TEST_F(FiltersTest, FilterOnAFreedHandleIsReported) {
    FilterKernel k;
    Rect r{0, 0, 2, 2};
    tb_ApplyFilter(42, &r, &k);
    EXPECT_EQ(box_texts(), std::vector<std::string>{"Invalid bitmap! (tb_ApplyFilter)"});
}

class EmbossTextureTest : public FiltersTest {};

TEST_F(EmbossTextureTest, AFlatTextureChangesNothing) {
    BitmapRef picture = flat(6, 6, 0x204060);
    BitmapRef texture = flat(6, 6, 0x808080);
    Rect r{0, 0, 6, 6};
    tb_EmbossTexture(picture, texture, &r, 20, 2);
    // Pixels whose shifted point stays on the texture (beyond it reads as black).
    EXPECT_EQ(pixel_rgb(picture, 3, 3), 0x204060u);
    EXPECT_EQ(pixel_rgb(picture, 0, 0), 0x204060u);
}

TEST_F(EmbossTextureTest, AStepFromBlackToWhiteAtTheShiftDistanceLiftsBy39) {
    // Texture: white where x >= 3 and y >= 3, black elsewhere.
    BitmapRef texture = flat(8, 8, 0x000000);
    for (int32_t y = 3; y < 8; ++y) {
        for (int32_t x = 3; x < 8; ++x) set_pixel_rgb(texture, x, y, kWhite);
    }
    BitmapRef picture = flat(8, 8, 0x646464);
    set_pixel_rgb(picture, 2, 2, 0xFA6400);
    Rect r{0, 0, 8, 8};
    tb_EmbossTexture(picture, texture, &r, 20, 2);
    // delta = 20 x 441.67 / 221.70 = 39.8
    EXPECT_EQ(pixel_rgb(picture, 1, 1), 0x8B8B8Bu);  // 100 -> 139
    EXPECT_EQ(pixel_rgb(picture, 2, 2), 0xFF8B27u);  // 250 clamps, 0 -> 39
    EXPECT_EQ(pixel_rgb(picture, 4, 4), 0x646464u);  // white to white
    EXPECT_EQ(pixel_rgb(picture, 0, 5), 0x646464u);  // black to black
    // At the far edge the shifted point is the width itself, which reads black: 100 - 39.8.
    EXPECT_EQ(pixel_rgb(picture, 7, 7), 0x3C3C3Cu);
    EXPECT_EQ(pixel_rgb(picture, 6, 6), 0x3C3C3Cu);  // (8, 8) is beyond the texture too
    EXPECT_EQ(pixel_rgb(picture, 5, 5), 0x646464u);  // (7, 7) is still white
}

TEST_F(EmbossTextureTest, TheAreaIsCutToTheTexture) {
    BitmapRef texture = flat(2, 2, kWhite);
    BitmapRef picture = flat(6, 6, 0x646464);
    Rect r{0, 0, 6, 6};
    tb_EmbossTexture(picture, texture, &r, 20, 2);
    EXPECT_EQ(pixel_rgb(picture, 1, 1), 0x3C3C3Cu);  // inside the texture, shifted read black
    EXPECT_EQ(pixel_rgb(picture, 2, 2), 0x646464u);  // beyond the texture: untouched
    EXPECT_EQ(pixel_rgb(picture, 5, 0), 0x646464u);
}

}  // namespace
