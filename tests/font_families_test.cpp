// The installed font families as the text tool lists them, and drawing in a family named
// freely: the same letters as the face table's for the same font, its line metrics, and which
// families can letter their own names.
#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <set>
#include <string>

#include "test_support.h"

namespace {

std::string lowered(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

class FontFamilies : public ::testing::Test {
   protected:
    void SetUp() override { fresh_toolbox(); }
};

TEST_F(FontFamilies, AreListedOnceEachSortedWithoutRegardToCaseOutlinesOnly) {
    const int32_t count = tb_ListFontFamilies();
    ASSERT_GT(count, 2);
    std::set<std::string> seen;
    for (int32_t i = 0; i < count; ++i) {
        const std::string name = tb_GetFontFamilyName(i);
        EXPECT_TRUE(seen.insert(name).second) << name << " twice";
        if (i > 0) {
            EXPECT_LE(lowered(tb_GetFontFamilyName(i - 1)), lowered(name));
        }
    }
    EXPECT_EQ(seen.count("Liberation Sans"), 1u);
    EXPECT_EQ(seen.count("DejaVu Sans"), 1u);
    EXPECT_EQ(seen.count("Noto Color Emoji"), 0u) << "a font of bitmaps only is listed";
    EXPECT_EQ(tb_GetFontFamilyName(-1), nullptr);
    EXPECT_EQ(tb_GetFontFamilyName(count), nullptr);
    EXPECT_EQ(tb_ListFontFamilies(), count) << "a second listing differs";
}

TEST_F(FontFamilies, DrawLikeTheFaceTableAndMeasureTheirLines) {
    auto pixels = [](BitmapRef b) {
        std::string out;
        for (int32_t y = 0; y < 40; ++y)
            for (int32_t x = 0; x < 160; ++x) out += pixel_rgb(b, x, y) == 0 ? '.' : '#';
        return out;
    };
    BitmapRef byFace = make_bitmap(160, 40);
    BitmapRef byFamily = make_bitmap(160, 40);
    for (BitmapRef b : {byFace, byFamily}) {
        tb_SetFontSize(b, 24);
        tb_SetFontStyle(b, 2);
        tb_SetForeColor(b, 65025, 65025, 65025);
    }
    const int32_t faceWidth = tb_DrawText(byFace, 80, 30, "Jumpy", 5, 0, 1, 2, 1);
    TbLineMetrics line;
    EXPECT_EQ(tb_DrawFamilyText(byFamily, "Liberation Sans", 80, 30, "Jumpy", 5, 0, 0, 2, 1, &line),
              faceWidth);
    EXPECT_EQ(pixels(byFamily), std::string(160 * 40, '.')) << "draw 0 drew";
    tb_DrawFamilyText(byFamily, "Arial", 80, 30, "Jumpy", 5, 0, 1, 2, 1, nullptr);
    EXPECT_EQ(pixels(byFamily), pixels(byFace));
    EXPECT_GE(line.ascent + line.descent, 24);
    EXPECT_GE(line.height, line.ascent + line.descent);
    EXPECT_GT(line.descent, 0);

    // An empty text is 0 wide and still tells how the lines measure.
    TbLineMetrics empty;
    EXPECT_EQ(tb_DrawFamilyText(byFamily, "Liberation Sans", 0, 0, "", 0, 0, 1, 0, 0, &empty), 0);
    EXPECT_EQ(empty.height, line.height);
}

TEST_F(FontFamilies, KeepNoGlyphsOfAFontOnceItIsClosed) {
    // More families than are kept open: each opening may land where a closed font lay, and
    // must still draw its own glyphs, not the kept ones of the font that lay there before.
    auto drawn = [](const std::string& family) {
        BitmapRef b = make_bitmap(120, 40);
        tb_SetFontSize(b, 30);
        tb_SetForeColor(b, 65025, 65025, 65025);
        tb_DrawFamilyText(b, family.c_str(), 60, 35, "Quilt", 5, 0, 1, 2, 1, nullptr);
        std::string out;
        for (int32_t y = 0; y < 40; ++y)
            for (int32_t x = 0; x < 120; ++x) out += pixel_rgb(b, x, y) == 0 ? '.' : '#';
        tb_DisposeBitmap(b);
        return out;
    };
    const std::string serif = drawn("Liberation Serif");
    const std::string fallback = drawn("No Such Family");
    ASSERT_NE(serif, fallback);
    for (int32_t round = 0; round < 3; ++round) {
        for (int32_t i = 0; i < 40; ++i) {
            ASSERT_EQ(drawn("No Such Family " + std::to_string(i)), fallback) << i;
        }
        ASSERT_EQ(drawn("Liberation Serif"), serif);
    }
}

TEST_F(FontFamilies, OnlyFontsOfLettersCanLetterTheirNames) {
    const char* const name = "Liberation Sans \xC3\xA9";
    EXPECT_EQ(
        tb_FamilyHasCharacters("Liberation Sans", name, static_cast<int32_t>(std::strlen(name))),
        1);
    EXPECT_EQ(tb_FamilyHasCharacters("Liberation Sans", "\xE6\x97\xA5", 3), 0);  // 日
    for (const char* symbols : {"D050000L", "Standard Symbols PS"}) {
        EXPECT_EQ(
            tb_FamilyHasCharacters(symbols, symbols, static_cast<int32_t>(std::strlen(symbols))), 0)
            << symbols;
    }
}

}  // namespace
