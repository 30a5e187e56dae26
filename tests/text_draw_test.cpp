// Text drawing: face substitutions, width measurement, solid ink, alignment, rotation, styles
// and clipping, on small bitmaps.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>

#include "test_support.h"
#include "toolbox/font_faces.h"
#include "toolbox/platform_headless.h"

namespace {

constexpr uint32_t kWhite = 0xFFFFFF;

struct Ink {
    int32_t count = 0;
    Rect box{1 << 20, 1 << 20, -1, -1};  // right and bottom exclusive once count > 0
    std::set<uint32_t> colours;
};

BitmapRef white_bitmap(int32_t w, int32_t h) {
    BitmapRef b = make_bitmap(w, h);
    Rect r{0, 0, w, h};
    tb_SetForeColor(b, 65025, 65025, 65025);
    tb_PaintRect(b, &r);
    tb_SetForeColor(b, 0, 0, 65025);
    return b;
}

Ink ink_of(BitmapRef b) {
    Ink ink;
    for (int32_t y = 0; y < tb_GetBitmapHeight(b); ++y) {
        for (int32_t x = 0; x < tb_GetBitmapWidth(b); ++x) {
            uint32_t p = pixel_rgb(b, x, y);
            ink.colours.insert(p);
            if (p == kWhite) continue;
            ++ink.count;
            ink.box.left = std::min(ink.box.left, x);
            ink.box.top = std::min(ink.box.top, y);
            ink.box.right = std::max(ink.box.right, x + 1);
            ink.box.bottom = std::max(ink.box.bottom, y + 1);
        }
    }
    return ink;
}

int32_t width_of(BitmapRef b, const char* text) {
    return tb_DrawText(b, 0, 0, text, static_cast<int32_t>(std::strlen(text)), 0, 0, 0, 0);
}

class TextDraw : public ::testing::Test {
   protected:
    void SetUp() override { fresh_toolbox(); }
};

TEST_F(TextDraw, FaceTableNamesGoToFontsOfTheirKind) {
    EXPECT_EQ(tb::font_family_for(0), "Liberation Sans");
    EXPECT_EQ(tb::font_family_for(1), "Liberation Mono");
    EXPECT_EQ(tb::font_family_for(2), "Liberation Sans");   // "MS San Serif", spelled so
    EXPECT_EQ(tb::font_family_for(3), "Liberation Serif");  // not the fallback sans
    EXPECT_EQ(tb::font_family_for(4), "Z003");              // a script face for the brush script
    EXPECT_EQ(tb::font_family_for(5), "Liberation Serif");
    // Faces outside the table are Arial.
    EXPECT_STREQ(tb::font_face_name(9), "Arial");
    EXPECT_STREQ(tb::font_face_name(-1), "Arial");
    EXPECT_STREQ(tb::font_face_name(2), "MS San Serif");
}

TEST_F(TextDraw, WidthIsMeasuredWithoutDrawing) {
    BitmapRef b = white_bitmap(200, 40);
    tb_SetFontSize(b, 20);
    int32_t measured = tb_DrawText(b, 5, 5, "Hello", 5, 0, 0, 0, 0);
    EXPECT_GT(measured, 30);
    EXPECT_LT(measured, 80);
    EXPECT_EQ(ink_of(b).count, 0);  // draw 0 leaves the bitmap alone
    EXPECT_EQ(tb_DrawText(b, 5, 5, "Hello", 5, 0, 1, 0, 0), measured);
    EXPECT_EQ(tb_DrawText(b, 5, 5, "", 0, 0, 1, 0, 0), 0);
    EXPECT_EQ(tb_DrawText(b, 5, 5, "Hello", 0, 0, 1, 0, 0), 0);
    // Only the first `length` bytes count.
    EXPECT_EQ(tb_DrawText(b, 5, 5, "Hello", 2, 0, 0, 0, 0), width_of(b, "He"));
}

TEST_F(TextDraw, WidthFollowsSizeFaceAndLetters) {
    BitmapRef b = white_bitmap(10, 10);
    tb_SetFontSize(b, 12);
    int32_t small = width_of(b, "Tintamar");
    tb_SetFontSize(b, 36);
    int32_t large = width_of(b, "Tintamar");
    EXPECT_NEAR(large, 3 * small, small / 2);
    // Advances simply add up along the line.
    EXPECT_EQ(width_of(b, "AV"), width_of(b, "A") + width_of(b, "V"));
    EXPECT_LT(width_of(b, "iiii"), width_of(b, "WWWW"));
    tb_SetFontFace(b, 1);  // Courier New: every letter as wide as the next
    EXPECT_EQ(width_of(b, "iiii"), width_of(b, "WWWW"));
    // Bold is wider than normal; face 9 measures as face 0, style 7 as style 0.
    tb_SetFontFace(b, 0);
    int32_t normal = width_of(b, "Paint");
    tb_SetFontStyle(b, 1);
    EXPECT_GT(width_of(b, "Paint"), normal);
    tb_SetFontStyle(b, 7);
    EXPECT_EQ(width_of(b, "Paint"), normal);
    tb_SetFontFace(b, 9);
    EXPECT_EQ(width_of(b, "Paint"), normal);
}

TEST_F(TextDraw, SizeZeroStillDrawsReadableText) {
    BitmapRef b = white_bitmap(10, 10);
    EXPECT_GT(width_of(b, "Paint"), 20);
}

TEST_F(TextDraw, InkIsSolidInTheForeColourWithNoBackground) {
    BitmapRef b = white_bitmap(120, 40);
    tb_SetFontSize(b, 24);
    tb_SetBackColor(b, 65025, 0, 0);  // set, but never painted
    tb_DrawText(b, 4, 4, "Mix it", 6, 0, 1, 0, 0);
    Ink ink = ink_of(b);
    EXPECT_GT(ink.count, 50);
    EXPECT_EQ(ink.colours, (std::set<uint32_t>{kWhite, 0x0000FF}));
}

TEST_F(TextDraw, AlignmentPlacesTheReferencePoint) {
    const int32_t x = 100, y = 30;
    auto drawn = [&](int16_t horizontal, int16_t vertical, int32_t* width) {
        BitmapRef b = white_bitmap(200, 60);
        tb_SetFontSize(b, 20);
        *width = tb_DrawText(b, x, y, "Hat", 3, 0, 1, horizontal, vertical);
        Ink ink = ink_of(b);
        tb_DisposeBitmap(b);
        return ink.box;
    };
    int32_t w = 0;
    Rect leftTop = drawn(0, 0, &w);
    EXPECT_GE(leftTop.left, x);
    EXPECT_LE(leftTop.left, x + 3);
    EXPECT_GE(leftTop.top, y);
    EXPECT_LE(leftTop.top, y + 6);

    Rect rightTop = drawn(1, 0, &w);
    EXPECT_LE(rightTop.right, x);
    EXPECT_GE(rightTop.right, x - 3);
    EXPECT_EQ(rightTop.top, leftTop.top);

    Rect centred = drawn(2, 0, &w);
    EXPECT_NEAR((centred.left + centred.right) / 2.0, x, 2.0);

    // Bottom: the whole line, descent included, ends above y.
    Rect leftBottom = drawn(0, 1, &w);
    EXPECT_LE(leftBottom.bottom, y);
    EXPECT_GE(leftBottom.bottom, y - 8);

    // Vertical 2 centres on x with the top at y, whatever the horizontal value.
    Rect v2 = drawn(0, 2, &w);
    EXPECT_EQ(v2.left, centred.left);
    EXPECT_EQ(v2.top, leftTop.top);
    EXPECT_EQ(drawn(1, 2, &w).left, centred.left);
}

TEST_F(TextDraw, AngleTurnsTheLineCounterClockwise) {
    BitmapRef b = white_bitmap(80, 120);
    tb_SetFontSize(b, 16);
    int32_t width = tb_DrawText(b, 20, 110, "Rocket", 6, 90, 1, 0, 0);
    Ink ink = ink_of(b);
    // Upwards from the reference point, with the letters' tops to the left of it.
    EXPECT_GT(ink.box.bottom - ink.box.top, ink.box.right - ink.box.left);
    EXPECT_LE(ink.box.bottom, 111);
    EXPECT_NEAR(ink.box.bottom - ink.box.top, width, 4);
    // The letters' tops face the reference point's side: x is their left edge now.
    EXPECT_GE(ink.box.left, 20);
    EXPECT_LE(ink.box.left, 24);
}

TEST_F(TextDraw, UnderlineAndStrikeOutRunTheWholeLine) {
    auto widest_row = [](BitmapRef b) {
        int32_t best = 0;
        for (int32_t y = 0; y < tb_GetBitmapHeight(b); ++y) {
            int32_t run = 0;
            for (int32_t x = 0; x < tb_GetBitmapWidth(b); ++x) {
                run = pixel_rgb(b, x, y) != kWhite ? run + 1 : 0;
                best = std::max(best, run);
            }
        }
        return best;
    };
    for (int16_t style : {int16_t{3}, int16_t{4}}) {
        BitmapRef b = white_bitmap(150, 40);
        tb_SetFontSize(b, 20);
        tb_SetFontStyle(b, style);
        int32_t width = tb_DrawText(b, 5, 5, "roof tiles", 10, 0, 1, 0, 0);
        EXPECT_GE(widest_row(b), width - 1) << "style " << style;
        tb_DisposeBitmap(b);
    }
    BitmapRef plain = white_bitmap(150, 40);
    tb_SetFontSize(plain, 20);
    tb_SetFontStyle(plain, 0);  // the slot kept the last style
    tb_DrawText(plain, 5, 5, "roof tiles", 10, 0, 1, 0, 0);
    EXPECT_LT(widest_row(plain), 20);
}

TEST_F(TextDraw, DrawingKeepsToTheClipRect) {
    BitmapRef b = white_bitmap(120, 40);
    tb_SetFontSize(b, 24);
    Rect clip{0, 0, 30, 40};
    tb_SetClipRect(b, &clip);
    tb_DrawText(b, 4, 4, "Wonderful", 9, 0, 1, 0, 0);
    Ink ink = ink_of(b);
    EXPECT_GT(ink.count, 0);
    EXPECT_LE(ink.box.right, 30);
}

TEST_F(TextDraw, StringIsSerifWithItsBottomAtY) {
    BitmapRef b = white_bitmap(160, 50);
    tb_SetFontSize(b, 20);
    tb_DrawString(b, 10, 40, "Printed picture");
    Ink ink = ink_of(b);
    EXPECT_GE(ink.box.left, 10);
    EXPECT_LE(ink.box.bottom, 40);
    EXPECT_GE(ink.box.top, 40 - 26);
    // The face and style settings are not used.
    BitmapRef c = white_bitmap(160, 50);
    tb_SetFontSize(c, 20);
    tb_SetFontFace(c, 1);
    tb_SetFontStyle(c, 1);
    tb_DrawString(c, 10, 40, "Printed picture");
    EXPECT_EQ(ink_of(c).count, ink.count);
}

TEST_F(TextDraw, TextOnTheWindowIsShown) {
    Rect screen{0, 0, 640, 480};
    WindowRef w = tb_OpenWindow(&screen, "Tintamar");
    int before = headless::presents();
    tb_SetFontSize(w, 16);
    tb_DrawText(w, 10, 10, "Hello", 5, 0, 1, 0, 0);
    EXPECT_GT(headless::presents(), before);
}

TEST_F(TextDraw, SettingsOfAFreeSlotAreRefused) {
    BitmapRef b = white_bitmap(10, 10);
    tb_DisposeBitmap(b);
    tb_SetFontFace(b, 1);
    tb_SetFontSize(5009, 12);
    ASSERT_EQ(box_texts().size(), 2u);
    EXPECT_EQ(box_texts()[0], "Invalid bitmap! (tb_SetFont)");
    EXPECT_EQ(box_texts()[1], "Invalid window! (tb_SetFont)");
    // The slot's settings were left as they were.
    BitmapRef again = white_bitmap(10, 10);
    ASSERT_EQ(again, b);
    tb_SetFontSize(again, 20);
    int32_t arial = width_of(again, "iiii");
    tb_SetFontFace(again, 0);
    EXPECT_EQ(width_of(again, "iiii"), arial);
}

}  // namespace
