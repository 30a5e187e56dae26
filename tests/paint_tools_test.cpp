// Paintbrush, Eraser, Spray can, Paint pot and Colour dropper on tiny pictures, pixel by pixel.
#include "tools/paint_tools.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <utility>

#include "resources/resource_ids.h"
#include "resources/resources.h"
#include "scene/scene_draw.h"
#include "test_support.h"
#include "toolbox/platform_headless.h"

namespace {

constexpr uint32_t kWhite = 0xFFFFFF;
constexpr int32_t kFull = 65025;

// Which sounds were started, by resource id, and whether they loop.
std::vector<std::pair<int32_t, bool>> played() {
    std::vector<std::pair<int32_t, bool>> ids;
    for (const headless::PlayedSound& s : headless::sounds()) {
        int32_t id = 0;
        for (int32_t candidate = kSoundPencil; candidate <= kSoundClose && id == 0; ++candidate) {
            if (find_resource(ResourceKind::Sound, candidate).data == s.wave) id = candidate;
        }
        ids.emplace_back(id, s.loop);
    }
    return ids;
}

class PaintToolsTest : public ::testing::Test {
   protected:
    void SetUp() override {
        fresh_toolbox();
        picture = make_bitmap(40, 40);
        fill(kWhite);
        tool.pictureBitmap = picture;
    }

    void fill(uint32_t rgb) {
        for (int32_t y = 0; y < 40; ++y) {
            for (int32_t x = 0; x < 40; ++x) set_pixel_rgb(picture, x, y, rgb);
        }
    }

    void colour(int32_t r, int32_t g, int32_t b) {
        tool.red = r;
        tool.green = g;
        tool.blue = b;
    }

    int32_t changed_pixels(uint32_t background) const {
        int32_t n = 0;
        for (int32_t y = 0; y < 40; ++y) {
            for (int32_t x = 0; x < 40; ++x) n += pixel_rgb(picture, x, y) != background ? 1 : 0;
        }
        return n;
    }

    static int32_t bitmaps_in_use() {
        int32_t n = 0;
        for (BitmapRef b = 0; b < TB_MAX_BITMAPS; ++b) n += tb_GetBitmapImage(b) != nullptr ? 1 : 0;
        return n;
    }

    BitmapRef picture = -1;
    SceneObject tool;
};

// ---- Paintbrush -------------------------------------------------------------------------------

TEST_F(PaintToolsTest, PaintbrushAtSize16BlursADiscOfRadius7) {
    // A checkerboard changes under any blur, so the disc that is copied back shows exactly.
    for (int32_t y = 0; y < 40; ++y) {
        for (int32_t x = 0; x < 40; ++x)
            set_pixel_rgb(picture, x, y, (x + y) % 2 == 0 ? kWhite : 0);
    }
    auto original = [](int32_t x, int32_t y) { return (x + y) % 2 == 0 ? kWhite : 0u; };
    tool.size = 16;
    colour(0, 0, kFull);
    paintbrush_press(&tool, 20, 20);
    paintbrush_release(&tool, 20, 20);

    // The disc's extreme rows and columns: x and y from 13 to 26.
    for (auto [x, y] : {std::pair{13, 20}, {26, 20}, {20, 13}, {20, 26}, {15, 15}, {24, 24}}) {
        EXPECT_NE(pixel_rgb(picture, x, y), original(x, y)) << x << "," << y;
    }
    for (auto [x, y] :
         {std::pair{12, 20}, {27, 20}, {20, 12}, {20, 27}, {14, 14}, {25, 25}, {13, 13}}) {
        EXPECT_EQ(pixel_rgb(picture, x, y), original(x, y)) << x << "," << y;
    }
    // Far from the blob the 5 x 5 blur of the checkerboard: 12 of 25 white.
    EXPECT_EQ(pixel_rgb(picture, 13, 20), 0x7A7A7Au);
    // In the middle the blob's blue shows through the blur.
    uint32_t centre = pixel_rgb(picture, 20, 20);
    EXPECT_GT(centre & 0xFF, (centre >> 16) & 0xFF);
}

TEST_F(PaintToolsTest, PaintbrushOnWhiteLeavesAColouredBlobAndNoBitmapBehind) {
    tool.size = 16;
    colour(kFull, 0, 0);
    int32_t before = bitmaps_in_use();
    paintbrush_press(&tool, 20, 20);
    EXPECT_EQ(bitmaps_in_use(), before);
    uint32_t centre = pixel_rgb(picture, 20, 20);
    EXPECT_EQ(centre >> 16, 0xFFu);                 // red stays full
    EXPECT_LT(centre & 0xFF, 0xFFu);                // green and blue give way
    EXPECT_EQ(pixel_rgb(picture, 20, 25), kWhite);  // the small blob does not reach this far
    EXPECT_EQ(tool.active, 1);

    // Dabs follow the drag until the release, then stop.
    paintbrush_drag(&tool, 5, 30);
    EXPECT_NE(pixel_rgb(picture, 5, 30), kWhite);
    paintbrush_release(&tool, 5, 30);
    paintbrush_drag(&tool, 30, 5);
    EXPECT_EQ(pixel_rgb(picture, 30, 5), kWhite);
}

TEST_F(PaintToolsTest, PaintbrushAtThePictureEdgeStaysInside) {
    tool.size = 16;
    colour(0, 0, 0);
    paintbrush_press(&tool, 0, 39);
    EXPECT_NE(pixel_rgb(picture, 0, 39), kWhite);
    EXPECT_EQ(pixel_rgb(picture, 7, 39), kWhite);  // beyond the disc
    EXPECT_EQ(pixel_rgb(picture, 0, 31), kWhite);
    paintbrush_release(&tool, 0, 39);

    // A dab whose box lies wholly outside touches nothing.
    paintbrush_press(&tool, -30, 60);
    paintbrush_release(&tool, -30, 60);
    EXPECT_EQ(pixel_rgb(picture, 39, 0), kWhite);
    EXPECT_TRUE(shown_boxes().empty());
}

// At the edge the blob keeps the colour painted: the blur sees the picture go on past the
// edge instead of black. Yellow on white only ever mixes into colours with full red and green;
// a dark seam along the edge would lower them.
TEST_F(PaintToolsTest, PaintbrushAtTheEdgeKeepsTheColourPaintedThere) {
    const Point dabs[] = {{0, 20}, {39, 20}, {20, 0}, {20, 39}, {0, 0}, {39, 39}, {1, 20}};
    for (Point dab : dabs) {
        SCOPED_TRACE(::testing::Message() << dab.x << "," << dab.y);
        fill(kWhite);
        tool.size = 24;
        colour(kFull, kFull, 0);
        paintbrush_press(&tool, dab.x, dab.y);
        paintbrush_release(&tool, dab.x, dab.y);
        EXPECT_EQ(pixel_rgb(picture, dab.x, dab.y), 0xFFFF00u);
        int32_t darkened = 0;
        for (int32_t y = 0; y < 40; ++y) {
            for (int32_t x = 0; x < 40; ++x) darkened += (pixel_rgb(picture, x, y) >> 8) != 0xFFFF;
        }
        EXPECT_EQ(darkened, 0);
    }
}

// Away from the edge a dab gives exactly the pixels it always gave (the hashes were taken
// before dabs at the edge were mended).
TEST_F(PaintToolsTest, PaintbrushAwayFromTheEdgeGivesTheSamePixelsAsBefore) {
    struct Case {
        int32_t x, y, size;
        uint64_t picture;  // FNV-1a of the picture's pixels afterwards
    };
    const Case cases[] = {
        {20, 20, 16, 17831428325765956929u},
        {20, 20, 36, 11735477474397324507u},
        {18, 21, 24, 1128442055737701048u},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.x << "," << c.y << " size " << c.size);
        for (int32_t y = 0; y < 40; ++y) {
            for (int32_t x = 0; x < 40; ++x) {
                set_pixel_rgb(picture, x, y, (x * 7 + y * 13) % 5 == 0 ? 0x3080C0u : kWhite);
            }
        }
        tool.size = c.size;
        colour(kFull, 20000, 0);
        paintbrush_press(&tool, c.x, c.y);
        paintbrush_release(&tool, c.x, c.y);
        uint64_t hash = 1469598103934665603u;
        for (int32_t y = 0; y < 40; ++y) {
            for (int32_t x = 0; x < 40; ++x) {
                hash = (hash ^ pixel_rgb(picture, x, y)) * 1099511628211u;
            }
        }
        EXPECT_EQ(hash, c.picture);
    }
}

TEST_F(PaintToolsTest, PaintbrushLoopsItsSoundUntilRelease) {
    tool.size = 16;
    tool.soundId = kSoundPaintbrush;
    paintbrush_press(&tool, 10, 10);
    EXPECT_EQ(played(), (std::vector<std::pair<int32_t, bool>>{{kSoundPaintbrush, true}}));
    EXPECT_TRUE(headless::playing());
    paintbrush_release(&tool, 10, 10);
    EXPECT_FALSE(headless::playing());
}

// ---- Eraser -----------------------------------------------------------------------------------

TEST_F(PaintToolsTest, EraserAtSize1PaintsA2x2WhiteSquare) {
    fill(0);
    tool.size = 1;
    eraser_press(&tool, 5, 5);
    EXPECT_EQ(changed_pixels(0), 4);
    for (auto [x, y] : {std::pair{4, 4}, {5, 4}, {4, 5}, {5, 5}})
        EXPECT_EQ(pixel_rgb(picture, x, y), kWhite);
    eraser_drag(&tool, 30, 30);  // squares are not joined between events
    EXPECT_EQ(changed_pixels(0), 8);
    eraser_release(&tool, 30, 30);
    eraser_drag(&tool, 20, 20);
    EXPECT_EQ(changed_pixels(0), 8);
}

TEST_F(PaintToolsTest, EraserSoundsOnlyWhileDraggingAndNeverCutsAnotherSound) {
    fill(0);
    tool.size = 24;
    tool.soundId = kSoundEraser;
    eraser_press(&tool, 20, 20);
    EXPECT_TRUE(played().empty());
    eraser_drag(&tool, 21, 20);
    eraser_drag(&tool, 22, 20);  // the first is still playing: dropped
    EXPECT_EQ(played(), (std::vector<std::pair<int32_t, bool>>{{kSoundEraser, false}}));
    headless::finish_sound();
    eraser_drag(&tool, 23, 20);
    EXPECT_EQ(played().size(), 2u);
    EXPECT_EQ(pixel_rgb(picture, 23 - 12, 20 - 12), kWhite);
    EXPECT_EQ(pixel_rgb(picture, 23 + 12, 20), 0u);  // right edge excluded
}

// ---- Spray can --------------------------------------------------------------------------------

TEST_F(PaintToolsTest, SprayPutsAtMost2rPixelsWithinHalfWidthR) {
    tool.size = 16;  // r = 8
    colour(0, 0, 0);
    std::srand(7);
    int32_t widest = 0;
    for (int32_t event = 0; event < 200; ++event) {
        fill(kWhite);
        if (event == 0) {
            spray_press(&tool, 20, 20);
        } else {
            spray_drag(&tool, 20, 20);
        }
        int32_t count = 0;
        for (int32_t y = 0; y < 40; ++y) {
            for (int32_t x = 0; x < 40; ++x) {
                if (pixel_rgb(picture, x, y) == kWhite) continue;
                ++count;
                ASSERT_LE(std::abs(x - 20), 8);
                ASSERT_LE(std::abs(y - 20), 8);
                widest = std::max(widest, std::abs(x - 20));
            }
        }
        ASSERT_GE(count, 1);
        ASSERT_LE(count, 16);
    }
    EXPECT_EQ(widest, 8);
    spray_release(&tool, 20, 20);
}

TEST_F(PaintToolsTest, SprayLoopsItsOwnSoundAndPaintsOnlyWhileActive) {
    tool.size = 24;
    colour(0, kFull, 0);
    spray_press(&tool, 20, 20);
    EXPECT_EQ(played(), (std::vector<std::pair<int32_t, bool>>{{kSoundSpray, true}}));
    EXPECT_GT(changed_pixels(kWhite), 0);
    spray_release(&tool, 20, 20);
    EXPECT_FALSE(headless::playing());
    fill(kWhite);
    spray_drag(&tool, 20, 20);
    EXPECT_EQ(changed_pixels(kWhite), 0);
}

TEST_F(PaintToolsTest, SprayNearTheEdgeDropsPixelsOutside) {
    tool.size = 36;
    colour(0, 0, 0);
    for (int32_t i = 0; i < 50; ++i) spray_press(&tool, 0, 0);
    EXPECT_GT(changed_pixels(kWhite), 0);
    EXPECT_TRUE(shown_boxes().empty());
}

// ---- Paint pot --------------------------------------------------------------------------------

TEST_F(PaintToolsTest, PaintPotFillsTheConnectedAreaOfThePressedColour) {
    // Left half blue, right half white, a red dot inside the blue.
    for (int32_t y = 0; y < 40; ++y) {
        for (int32_t x = 0; x < 20; ++x) set_pixel_rgb(picture, x, y, 0x0000FF);
    }
    set_pixel_rgb(picture, 5, 5, 0xFF0000);
    colour(kFull, 0, 0);
    paint_pot_press(&tool, 10, 10);
    EXPECT_EQ(pixel_rgb(picture, 0, 0), 0xFF0000u);
    EXPECT_EQ(pixel_rgb(picture, 19, 39), 0xFF0000u);
    EXPECT_EQ(pixel_rgb(picture, 20, 0), kWhite);
    paint_pot_release(&tool, 10, 10);
    EXPECT_EQ(tool.active, 0);
}

TEST_F(PaintToolsTest, PaintPotOnItsOwnColourChangesNothing) {
    set_pixel_rgb(picture, 3, 3, 0x00FF00);
    colour(kFull, kFull, kFull);
    tool.soundId = kSoundPaintPot;
    paint_pot_press(&tool, 10, 10);
    EXPECT_EQ(changed_pixels(kWhite), 1);
    EXPECT_EQ(pixel_rgb(picture, 3, 3), 0x00FF00u);
    EXPECT_EQ(played(), (std::vector<std::pair<int32_t, bool>>{{kSoundPaintPot, false}}));
    paint_pot_press(&tool, 10, 10);  // still playing: no second cue
    EXPECT_EQ(played().size(), 1u);
}

// ---- Colour dropper ---------------------------------------------------------------------------

TEST_F(PaintToolsTest, DropperMakesThePickedColourCurrentAndBlackOutside) {
    g_layout = scene_layout_for(640, 480);
    set_pixel_rgb(picture, 2, 3, 0x80FF10);
    dropper_pick(&tool, 2, 3);
    EXPECT_EQ(g_currentColour.red, 128 * 255);
    EXPECT_EQ(g_currentColour.green, 255 * 255);
    EXPECT_EQ(g_currentColour.blue, 16 * 255);
    dropper_pick(&tool, -1, 3);
    EXPECT_EQ(g_currentColour.red, 0);
    EXPECT_EQ(g_currentColour.green, 0);
    EXPECT_EQ(g_currentColour.blue, 0);
    dropper_pick(&tool, 39, 40);  // the bottom edge lies outside too
    EXPECT_EQ(g_currentColour.red, 0);
}

}  // namespace
