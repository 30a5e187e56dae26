// The copy family: handle checks, raster operations, stretching, clip rects, cut-out and keyed
// copies, byte by byte on tiny bitmaps.
#include <gtest/gtest.h>

#include <vector>

#include "resources/resource_ids.h"
#include "test_support.h"

namespace {

uint8_t* byte_at(BitmapRef b, int32_t x, int32_t y) {
    return tb_PixelAddress(tb_GetBitmapImage(b), x, y);
}

// The pixel numbered_bitmap puts at (x, y).
uint32_t numbered(int32_t x, int32_t y) {
    return (static_cast<uint32_t>(x + 1) << 16) | (static_cast<uint32_t>(y + 1) << 8) | 0x40;
}

// A w x h 24-bit bitmap whose pixel (x, y) is 0xRRGGBB = (x + 1, y + 1, 0x40).
BitmapRef numbered_bitmap(int32_t w, int32_t h, int32_t source = -1) {
    BitmapRef b = make_bitmap(w, h, 24, source);
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x) set_pixel_rgb(b, x, y, numbered(x, y));
    return b;
}

void fill(BitmapRef b, uint32_t rgb) {
    for (int32_t y = 0; y < tb_GetBitmapHeight(b); ++y)
        for (int32_t x = 0; x < tb_GetBitmapWidth(b); ++x) set_pixel_rgb(b, x, y, rgb);
}

}  // namespace

TEST(CopyChecks, BadHandlesGetTheirMessageInOrderAndChangeNothing) {
    fresh_toolbox();
    BitmapRef src = make_bitmap(2, 2);
    BitmapRef dst = make_bitmap(2, 2);
    fill(src, 0xABCDEF);
    Rect r{0, 0, 2, 2};
    tb_CopyBitmap(-1, dst, &r, &r, 0);
    tb_CopyBitmap(7, dst, &r, &r, 0);
    tb_CopyBitmap(7, 8, &r, &r, 0);  // the source is checked first
    tb_CopyBitmap(src, 8, &r, &r, 0);
    tb_CopyBitmap(src, -4, &r, &r, 0);
    tb_CopyBitmap(src, TB_WINDOW_BASE + 3, &r, &r, 0);
    tb_CopyBitmapKeyed(5, dst, &r, &r, 0);
    tb_CopyBitmapKeyed(src, TB_WINDOW_BASE, &r, &r, 0);
    Rect out{1, 1, 1, 1};
    tb_DrawPictureToBitmap(4, kBitmapLeftPanel, 0, 0, &out);
    tb_CopyBitmapSprite(-1, 40, dst, &r, &r, &r);  // not checked: nothing happens
    tb_CopyBitmapSprite(src, src, 99, &r, &r, &r);
    EXPECT_EQ(out.right, 1);
    EXPECT_EQ(box_texts(), (std::vector<std::string>{
                               "Invalid source bitmap! (tb_CopyBitmap)",
                               "Invalid source bitmap! (tb_CopyBitmap)",
                               "Invalid source bitmap! (tb_CopyBitmap)",
                               "Invalid destination bitmap! (tb_CopyBitmap)",
                               "Invalid destination bitmap! (tb_CopyBitmap)",
                               "Invalid destination window! (tb_CopyBitmap)",
                               "Invalid source bitmap! (tb_CopyBitmap)",
                               "Invalid destination window! (tb_CopyBitmap)",
                               "Invalid destination bitmap! (tb_DrawPictureToBitmap)",
                           }));
    EXPECT_EQ(pixel_rgb(dst, 0, 0), 0u);
}

TEST(CopyChecks, KeyedCopyRefusesWindowAndPrinterSources) {
    fresh_toolbox();
    Rect screen{0, 0, 8, 8};
    WindowRef window = tb_OpenWindow(&screen, "Tintamar");
    BitmapRef dst = make_bitmap(2, 2);
    Rect r{0, 0, 2, 2};
    tb_CopyBitmapKeyed(window, dst, &r, &r, 1);
    tb_CopyBitmapKeyed(TB_PRINTER, dst, &r, &r, 0);
    EXPECT_EQ(box_texts(), (std::vector<std::string>{"Can't copy from a window! (tb_CopyBitmap)",
                                                     "Can't copy from a window! (tb_CopyBitmap)"}));
}

// Each raster operation on two 24-bit pixels, byte by byte.
TEST(CopyRasterOps, ActBitwiseOnEachColourByte) {
    struct Case {
        uint32_t rop;
        uint32_t expected;
    };
    const uint32_t src = 0x0F33C3, dst = 0x55F00F;
    for (Case c : {Case{TB_SRCCOPY, src}, Case{TB_NOTSRCCOPY, 0xF0CC3C}, Case{TB_SRCAND, 0x053003},
                   Case{TB_SRCINVERT, 0x5AC3CC}, Case{TB_SRCPAINT, 0x5FF3CF}}) {
        SCOPED_TRACE(c.rop);
        fresh_toolbox();
        BitmapRef s = make_bitmap(2, 1);
        BitmapRef d = make_bitmap(3, 1);
        fill(s, src);
        fill(d, dst);
        tb_RasterOp = c.rop;
        Rect from{0, 0, 2, 1}, to{1, 0, 3, 1};
        tb_CopyBitmap(s, d, &from, &to, 0);
        EXPECT_EQ(pixel_rgb(d, 0, 0), dst);
        EXPECT_EQ(pixel_rgb(d, 1, 0), c.expected);
        EXPECT_EQ(pixel_rgb(d, 2, 0), c.expected);
    }
    tb_RasterOp = TB_SRCCOPY;
}

TEST(CopyRasterOps, ActOnPaletteIndicesOfEightBitBitmaps) {
    struct Case {
        uint32_t rop;
        uint8_t expected;
    };
    const uint8_t src = 0xC3, dst = 0x0F;
    for (Case c : {Case{TB_SRCCOPY, 0xC3}, Case{TB_NOTSRCCOPY, 0x3C}, Case{TB_SRCAND, 0x03},
                   Case{TB_SRCINVERT, 0xCC}, Case{TB_SRCPAINT, 0xCF}}) {
        SCOPED_TRACE(c.rop);
        fresh_toolbox();
        BitmapRef s = make_bitmap(1, 1, 8);
        BitmapRef d = make_bitmap(2, 1, 8);
        *byte_at(s, 0, 0) = src;
        *byte_at(d, 0, 0) = dst;
        *byte_at(d, 1, 0) = dst;
        tb_RasterOp = c.rop;
        Rect from{0, 0, 1, 1};
        tb_CopyBitmap(s, d, &from, &from, 0);
        EXPECT_EQ(*byte_at(d, 0, 0), c.expected);
        EXPECT_EQ(*byte_at(d, 1, 0), dst);
    }
    tb_RasterOp = TB_SRCCOPY;
}

TEST(CopyStretch, ScalesEightBitIndicesAndLeavesWhatLiesOutsideTheSource) {
    fresh_toolbox();
    BitmapRef s = make_bitmap(4, 2, 8);
    for (int32_t y = 0; y < 2; ++y)
        for (int32_t x = 0; x < 4; ++x) *byte_at(s, x, y) = static_cast<uint8_t>(10 * y + x + 1);
    struct Case {
        Rect from, to;
        std::vector<uint8_t> expected;  // the destination's 4 x 2 bytes, row by row
    };
    const Case cases[] = {
        {{0, 0, 4, 2}, {0, 0, 2, 1}, {1, 3, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE}},  // shrink
        {{1, 0, 3, 1}, {0, 0, 4, 2}, {2, 2, 3, 3, 2, 2, 3, 3}},                    // grow
        {{2, 1, 6, 2},
         {0, 1, 4, 2},
         {0xEE, 0xEE, 0xEE, 0xEE, 13, 14, 0xEE, 0xEE}},  // past the edge
    };
    for (const Case& c : cases) {
        BitmapRef d = make_bitmap(4, 2, 8);
        for (int32_t i = 0; i < 8; ++i) *byte_at(d, i % 4, i / 4) = 0xEE;
        tb_CopyBitmap(s, d, &c.from, &c.to, 0);
        for (int32_t i = 0; i < 8; ++i)
            EXPECT_EQ(*byte_at(d, i % 4, i / 4), c.expected[static_cast<size_t>(i)]) << i;
        tb_DisposeBitmap(d);
    }
}

TEST(CopyStretch, RepeatsWholeRowsAndColumnsWhenGrowing) {
    fresh_toolbox();
    BitmapRef s = numbered_bitmap(2, 2);
    BitmapRef d = make_bitmap(4, 4);
    Rect from{0, 0, 2, 2}, to{0, 0, 4, 4};
    tb_CopyBitmap(s, d, &from, &to, 0);
    for (int32_t y = 0; y < 4; ++y)
        for (int32_t x = 0; x < 4; ++x)
            EXPECT_EQ(pixel_rgb(d, x, y), numbered(x / 2, y / 2)) << x << "," << y;
}

TEST(CopyStretch, DropsWholeRowsAndColumnsWhenShrinking) {
    fresh_toolbox();
    BitmapRef s = numbered_bitmap(4, 4);
    BitmapRef d = make_bitmap(2, 2);
    Rect from{0, 0, 4, 4}, to{0, 0, 2, 2};
    tb_CopyBitmap(s, d, &from, &to, 0);
    EXPECT_EQ(pixel_rgb(d, 0, 0), numbered(0, 0));
    EXPECT_EQ(pixel_rgb(d, 1, 0), numbered(2, 0));
    EXPECT_EQ(pixel_rgb(d, 0, 1), numbered(0, 2));
    EXPECT_EQ(pixel_rgb(d, 1, 1), numbered(2, 2));
}

TEST(CopyStretch, StaysInsideBothImagesWhenRectanglesReachOutside) {
    fresh_toolbox();
    BitmapRef s = numbered_bitmap(3, 3);
    BitmapRef d = make_bitmap(4, 4);
    Rect from{-3, -3, 6, 6}, to{-2, -2, 10, 10};
    tb_CopyBitmap(s, d, &from, &to, 0);  // the sanitizer build watches every byte
    // Destination (x, y) maps to source (-3 + (x + 2) * 9 / 12, ...): (1, 1) -> (-1, -1),
    // outside the source, so it stays black; (2, 2) -> (0, 0).
    EXPECT_EQ(pixel_rgb(d, 1, 1), 0u);
    EXPECT_EQ(pixel_rgb(d, 2, 2), numbered(0, 0));
    EXPECT_EQ(pixel_rgb(d, 3, 3), numbered(0, 0));
}

TEST(CopyWithinOneBitmap, OverlappingRectanglesMoveThePixelsAsAWhole) {
    fresh_toolbox();
    BitmapRef b = numbered_bitmap(3, 5);
    Rect from{0, 0, 3, 4}, down{0, 1, 3, 5};
    tb_CopyBitmap(b, b, &from, &down, 0);
    for (int32_t y = 1; y < 5; ++y) EXPECT_EQ(pixel_rgb(b, 1, y), numbered(1, y - 1)) << y;
    Rect right{1, 0, 3, 5}, fromLeft{0, 0, 2, 5};
    tb_CopyBitmap(b, b, &fromLeft, &right, 0);
    EXPECT_EQ(pixel_rgb(b, 2, 4), numbered(1, 3));
}

// A same-size copy into a bitmap with clip rect (10, 10, 30, 30): it must reach more than
// 4 pixels into the clip rect on every side to draw at all.
class CopyPreClip : public ::testing::Test {
   protected:
    void SetUp() override {
        fresh_toolbox();
        src = numbered_bitmap(8, 8);
        dst = make_bitmap(40, 40);
        Rect clip{10, 10, 30, 30};
        tb_SetClipRect(dst, &clip);
    }
    void copy_to(int32_t x, int32_t y) {
        Rect from{0, 0, 8, 8}, to{x, y, x + 8, y + 8};
        tb_CopyBitmap(src, dst, &from, &to, 0);
    }
    int32_t drawn() {
        int32_t count = 0;
        for (int32_t y = 0; y < 40; ++y)
            for (int32_t x = 0; x < 40; ++x) count += pixel_rgb(dst, x, y) != 0 ? 1 : 0;
        return count;
    }
    BitmapRef src = -1;
    BitmapRef dst = -1;
};

TEST_F(CopyPreClip, FourPixelsInOnAnySideDrawNothing) {
    copy_to(6, 15);   // left: reaches 10..13
    copy_to(26, 15);  // right: 26..29
    copy_to(15, 6);   // top
    copy_to(15, 26);  // bottom
    EXPECT_EQ(drawn(), 0);
}

TEST_F(CopyPreClip, FivePixelsInOnTheLeftDrawTheShiftedSource) {
    copy_to(7, 15);
    EXPECT_EQ(drawn(), 5 * 8);
    EXPECT_EQ(pixel_rgb(dst, 9, 15), 0u);
    EXPECT_EQ(pixel_rgb(dst, 10, 15), numbered(3, 0));
    EXPECT_EQ(pixel_rgb(dst, 14, 22), numbered(7, 7));
}

TEST_F(CopyPreClip, FivePixelsInOnTheRightDrawTheCutSource) {
    copy_to(25, 15);
    EXPECT_EQ(drawn(), 5 * 8);
    EXPECT_EQ(pixel_rgb(dst, 25, 15), numbered(0, 0));
    EXPECT_EQ(pixel_rgb(dst, 29, 15), numbered(4, 0));
    EXPECT_EQ(pixel_rgb(dst, 30, 15), 0u);
}

TEST_F(CopyPreClip, FivePixelsInAtTheTopAndBottom) {
    copy_to(15, 7);
    EXPECT_EQ(drawn(), 8 * 5);
    EXPECT_EQ(pixel_rgb(dst, 15, 10), numbered(0, 3));
    copy_to(15, 25);
    EXPECT_EQ(drawn(), 2 * 8 * 5);
    EXPECT_EQ(pixel_rgb(dst, 15, 29), numbered(0, 4));
    EXPECT_EQ(pixel_rgb(dst, 15, 30), 0u);
}

TEST_F(CopyPreClip, TheAppliedClipStaysOnTheBitmapUntilCleared) {
    Rect whole{0, 0, 40, 40};
    tb_SetForeColor(dst, 65025, 65025, 65025);
    tb_PaintRect(dst, &whole);
    EXPECT_EQ(drawn(), 40 * 40);  // stored but not yet applied: no restriction
    fill(dst, 0);
    copy_to(15, 15);
    tb_PaintRect(dst, &whole);
    EXPECT_EQ(drawn(), 20 * 20);  // the copy applied it; the fill stays inside
    EXPECT_EQ(pixel_rgb(dst, 9, 9), 0u);
    // A keyed copy ignores the stored rect but not the restriction already in force.
    BitmapRef big = numbered_bitmap(40, 40);
    fill(dst, 0);
    tb_CopyBitmapKeyed(big, dst, &whole, &whole, 0);
    EXPECT_EQ(drawn(), 20 * 20);
    tb_ClearClipRect(dst);
    tb_PaintRect(dst, &whole);
    EXPECT_EQ(drawn(), 40 * 40);
}

// Cut-out copies: a 4 x 4 scene, a picture that is white where it is transparent and a
// mask that is white where it is opaque (the 2 x 2 middle).
TEST(CopySprite, OutsideKeepsTheSceneInsideTakesTheImage) {
    fresh_toolbox();
    BitmapRef scene = make_bitmap(4, 4);
    fill(scene, 0x102030);
    BitmapRef image = make_bitmap(4, 4);
    fill(image, 0xFFFFFF);
    BitmapRef mask = make_bitmap(4, 4, 8);
    for (int32_t y = 1; y < 3; ++y)
        for (int32_t x = 1; x < 3; ++x) {
            set_pixel_rgb(image, x, y, 0xC08040);
            *byte_at(mask, x, y) = 255;
        }
    Rect r{0, 0, 4, 4};
    tb_CopyBitmapSprite(image, mask, scene, &r, &r, &r);
    for (int32_t y = 0; y < 4; ++y)
        for (int32_t x = 0; x < 4; ++x) {
            bool inside = x >= 1 && x < 3 && y >= 1 && y < 3;
            EXPECT_EQ(pixel_rgb(scene, x, y), inside ? 0xC08040u : 0x102030u) << x << "," << y;
        }
}

TEST(CopySprite, RectanglesPartlyOutsideEveryImageNeverWriteOutside) {
    fresh_toolbox();
    BitmapRef scene = make_bitmap(4, 4);
    fill(scene, 0x102030);
    BitmapRef image = make_bitmap(2, 2);  // black: opaque black wherever the mask is white
    BitmapRef mask = make_bitmap(2, 2, 8);
    *byte_at(mask, 0, 0) = *byte_at(mask, 1, 0) = *byte_at(mask, 0, 1) = *byte_at(mask, 1, 1) = 255;
    Rect imageRect{-1, -1, 3, 3}, dstRect{2, 2, 6, 6};
    tb_CopyBitmapSprite(image, mask, scene, &imageRect, &imageRect, &dstRect);
    EXPECT_EQ(pixel_rgb(scene, 2, 2), 0x102030u);  // source (-1, -1) lies outside
    EXPECT_EQ(pixel_rgb(scene, 3, 3), 0u);         // source (0, 0)
    EXPECT_EQ(pixel_rgb(scene, 1, 1), 0x102030u);
}

TEST(CopyRows, AKeyByteIsSkippedOneColourByteAtATime) {
    fresh_toolbox();
    BitmapRef s = make_bitmap(2, 1, 24, TB_BITMAP_NODC);
    BitmapRef d = make_bitmap(2, 1, 24, TB_BITMAP_NODC);
    set_pixel_rgb(s, 0, 0, 0xFF0000);  // red 255: only its green and blue bytes land
    set_pixel_rgb(s, 1, 0, 0x00FF12);
    fill(d, 0x090909);
    tb_CopyRows(tb_GetBitmapImage(s), 0, 0, 2, 1, tb_GetBitmapImage(d), 0, 0, 255);
    EXPECT_EQ(pixel_rgb(d, 0, 0), 0x090000u);
    EXPECT_EQ(pixel_rgb(d, 1, 0), 0x000912u);
    tb_CopyRows(tb_GetBitmapImage(s), 0, 0, 2, 1, tb_GetBitmapImage(d), 0, 0, 0);
    EXPECT_EQ(pixel_rgb(d, 0, 0), 0xFF0000u);
}

TEST(CopyRows, RowsOfDifferentDepthsAreRefused) {
    fresh_toolbox();
    BitmapRef s = make_bitmap(4, 1, 24, TB_BITMAP_NODC);
    BitmapRef d = make_bitmap(4, 1, 8, TB_BITMAP_NODC);
    fill(s, 0xFFFFFF);
    tb_CopyRows(tb_GetBitmapImage(s), 0, 0, 4, 1, tb_GetBitmapImage(d), 0, 0, 0);
    EXPECT_EQ(*byte_at(d, 3, 0), 0);
}

TEST(CopyKeyed, BetweenMemoryOnlyBitmapsSkipsKeyBytesAndCutsToBothImages) {
    fresh_toolbox();
    BitmapRef s = numbered_bitmap(3, 3, TB_BITMAP_NODC);
    set_pixel_rgb(s, 1, 1, 0xFFFF00);
    BitmapRef d = make_bitmap(3, 3, 24, TB_BITMAP_NODC);
    fill(d, 0x777777);
    Rect from{0, 0, 3, 3}, to{1, 1, 0, 0};  // only the top-left of the destination counts
    tb_CopyBitmapKeyed(s, d, &from, &to, 1);
    EXPECT_EQ(pixel_rgb(d, 0, 0), 0x777777u);
    EXPECT_EQ(pixel_rgb(d, 1, 1), numbered(0, 0));
    EXPECT_EQ(pixel_rgb(d, 2, 2), 0x777700u);  // red and green were 255
    // Source (-1..1, -1..1) to (1..3, 1..3): only source (0, 0) lands, at (2, 2).
    fill(d, 0x777777);
    Rect outside{-1, -1, 2, 2};
    tb_CopyBitmapKeyed(s, d, &outside, &to, 0);
    for (int32_t y = 0; y < 3; ++y)
        for (int32_t x = 0; x < 3; ++x)
            EXPECT_EQ(pixel_rgb(d, x, y), x == 2 && y == 2 ? numbered(0, 0) : 0x777777u);
    Rect far{5, 5, 9, 9};
    tb_CopyBitmapKeyed(s, d, &from, &far, 0);
    EXPECT_EQ(pixel_rgb(d, 2, 2), numbered(0, 0));
}
