// The texture brushes on a 160 x 140 picture (a little more than one tile of the grain): where
// the relief lands, how strong it is, and that the texture lives exactly as long as a stroke.
#include "tools/texture_brushes.h"

#include <gtest/gtest.h>

#include <vector>

#include "resources/resource_ids.h"
#include "test_support.h"
#include "toolbox/platform_headless.h"
#include "tools/filters.h"

namespace {

constexpr uint32_t kWhite = 0xFFFFFF;
constexpr int32_t kWidth = 160;
constexpr int32_t kHeight = 140;
constexpr int32_t kPaperGrain = kBitmapTexturePaper;
constexpr int32_t kGrains[] = {kBitmapTexturePaper,   kBitmapTextureWeave, kBitmapTextureWaves,
                               kBitmapTexturePebbles, kBitmapTextureCells, kBitmapTextureBubbles};

int32_t bitmaps_in_use() {
    int32_t n = 0;
    for (BitmapRef b = 0; b < TB_MAX_BITMAPS; ++b) n += tb_GetBitmapImage(b) != nullptr ? 1 : 0;
    return n;
}

class TextureBrushTest : public ::testing::Test {
   protected:
    void SetUp() override {
        fresh_toolbox();
        picture = flat(kWhite);
        brush.pictureBitmap = picture;
        brush.size = 24;
        brush.mode = kPaperGrain;
    }

    static BitmapRef flat(uint32_t rgb) {
        BitmapRef b = make_bitmap(kWidth, kHeight);
        for (int32_t y = 0; y < kHeight; ++y) {
            for (int32_t x = 0; x < kWidth; ++x) set_pixel_rgb(b, x, y, rgb);
        }
        return b;
    }

    static std::vector<uint32_t> pixels(BitmapRef b) {
        std::vector<uint32_t> all;
        for (int32_t y = 0; y < kHeight; ++y) {
            for (int32_t x = 0; x < kWidth; ++x) all.push_back(pixel_rgb(b, x, y));
        }
        return all;
    }

    // What the brush should have done: the grain tiled from the picture's corner, pressed into
    // `expected` over each square with the given strength.
    static void press_reference(BitmapRef expected, int32_t mode,
                                std::initializer_list<std::pair<Rect, int32_t>> dabs) {
        Rect all{0, 0, kWidth, kHeight};
        BitmapRef texture = create_texture_bitmap(all, static_cast<int16_t>(mode));
        for (const auto& [square, strength] : dabs) {
            tb_EmbossTexture(expected, texture, &square, strength, 2);
        }
        tb_DisposeBitmap(texture);
    }

    BitmapRef picture = -1;
    SceneObject brush;
};

TEST_F(TextureBrushTest, EveryBrushPressesItsOwnGrainGentlyFirstThenHarder) {
    for (int32_t mode : kGrains) {
        BitmapRef grey = flat(0x808080);
        brush.pictureBitmap = grey;
        brush.mode = mode;
        texture_press(&brush, 40, 30);   // r = 12
        texture_drag(&brush, 140, 120);  // on the second tile, past the picture's edge
        texture_release(&brush, 140, 120);

        BitmapRef expected = flat(0x808080);
        press_reference(expected, mode,
                        {{Rect{28, 18, 52, 42}, 15}, {Rect{128, 108, 152, 132}, 20}});
        EXPECT_EQ(pixels(grey), pixels(expected)) << "pattern " << mode;
        BitmapRef untouched = flat(0x808080);
        EXPECT_NE(pixels(grey), pixels(untouched)) << "pattern " << mode << " left no relief";
        tb_DisposeBitmap(untouched);
        tb_DisposeBitmap(grey);
        tb_DisposeBitmap(expected);
    }
}

TEST_F(TextureBrushTest, OnFlatWhiteOnlyTheDarkerSideOfTheGrainShows) {
    texture_press(&brush, 60, 60);
    texture_release(&brush, 60, 60);
    int32_t white = 0;
    int32_t grey = 0;
    for (int32_t y = 0; y < kHeight; ++y) {
        for (int32_t x = 0; x < kWidth; ++x) {
            const uint32_t p = pixel_rgb(picture, x, y);
            const bool inSquare = x >= 48 && x < 72 && y >= 48 && y < 72;
            if (!inSquare) {
                ASSERT_EQ(p, kWhite) << x << "," << y;
                continue;
            }
            ASSERT_TRUE(p == kWhite || ((p & 0xFF) == (p >> 16) && (p & 0xFF) < 0xFF))
                << "the relief keeps white grey, not coloured: " << std::hex << p;
            (p == kWhite ? white : grey) += 1;
        }
    }
    EXPECT_GT(white, 24 * 24 / 10);
    EXPECT_GT(grey, 24 * 24 / 10);
}

TEST_F(TextureBrushTest, TwoStrokesGiveTwiceTheReliefOfOne) {
    BitmapRef once = flat(0x808080);
    brush.pictureBitmap = once;
    texture_press(&brush, 80, 70);
    texture_release(&brush, 80, 70);
    BitmapRef twice = flat(0x808080);
    brush.pictureBitmap = twice;
    for (int32_t stroke = 0; stroke < 2; ++stroke) {
        texture_press(&brush, 80, 70);
        texture_release(&brush, 80, 70);
    }
    int32_t raised = 0;
    for (int32_t y = 58; y < 82; ++y) {
        for (int32_t x = 68; x < 92; ++x) {
            const int32_t one = static_cast<int32_t>(pixel_rgb(once, x, y) & 0xFF) - 128;
            const int32_t two = static_cast<int32_t>(pixel_rgb(twice, x, y) & 0xFF) - 128;
            ASSERT_EQ(two, 2 * one) << x << "," << y;
            raised += one != 0 ? 1 : 0;
        }
    }
    EXPECT_GT(raised, 0);
}

TEST_F(TextureBrushTest, TheTextureAndTheRollerSoundLiveFromPressToReleaseOnly) {
    const int32_t before = bitmaps_in_use();
    texture_press(&brush, 10, 10);
    EXPECT_EQ(bitmaps_in_use(), before + 1);
    EXPECT_NE(brush.auxHandle, -1);
    ASSERT_EQ(headless::sounds().size(), 1u);
    EXPECT_TRUE(headless::sounds()[0].loop);
    texture_release(&brush, 10, 10);
    EXPECT_FALSE(headless::playing());
    EXPECT_EQ(bitmaps_in_use(), before);
    EXPECT_EQ(brush.auxHandle, -1);

    // A press whose release was lost does not leave its texture behind.
    texture_press(&brush, 10, 10);
    texture_press(&brush, 20, 20);
    EXPECT_EQ(bitmaps_in_use(), before + 1);
    // Nor does a table rebuilt in the middle of a stroke.
    brush.hotRegion = -1;
    texture_dispose(&brush);
    EXPECT_EQ(bitmaps_in_use(), before);
    EXPECT_TRUE(shown_boxes().empty());
}

TEST_F(TextureBrushTest, AReleaseOrDragWithoutAPressTouchesNothing) {
    // A handle left in auxHandle that the brush does not own (another bitmap of the program).
    BitmapRef someoneElses = make_bitmap(4, 4);
    brush.auxHandle = someoneElses;
    const std::vector<uint32_t> before = pixels(picture);
    texture_drag(&brush, 60, 60);
    texture_release(&brush, 60, 60);
    EXPECT_NE(tb_GetBitmapImage(someoneElses), nullptr);
    EXPECT_EQ(pixels(picture), before);
    EXPECT_TRUE(headless::sounds().empty());
}

}  // namespace
