// The effect tools on a 40 x 40 picture, pixel by pixel: what one dab of each does, how dabs
// add up within a stroke and across strokes, the disc they leave, and the Tint crayon's panel.
#include "tools/effect_tools.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

#include "resources/resource_ids.h"
#include "test_support.h"
#include "toolbox/platform_headless.h"
#include "tools/scene_services.h"

namespace {

constexpr uint32_t kWhite = 0xFFFFFF;
constexpr int32_t kSide = 40;

class EffectToolsTest : public ::testing::Test {
   protected:
    void SetUp() override {
        fresh_toolbox();
        picture = make_bitmap(kSide, kSide);
        g_undoBitmap = make_bitmap(kSide, kSide);
        fill(kWhite);
        tool.pictureBitmap = picture;
        tool.size = 28;
        tool.mode = EFFECT_DARKEN;
    }
    void TearDown() override { g_undoBitmap = -1; }

    void fill(uint32_t rgb) {
        for (int32_t y = 0; y < kSide; ++y) {
            for (int32_t x = 0; x < kSide; ++x) set_pixel_rgb(picture, x, y, rgb);
        }
    }

    // What the input dispatch does before every press: the picture goes into the undo bitmap.
    void stroke(std::initializer_list<Point> points) {
        save_undo();
        const Point* p = points.begin();
        effect_press(&tool, p->x, p->y);
        for (++p; p != points.end(); ++p) effect_drag(&tool, p->x, p->y);
        effect_release(&tool, 0, 0);
    }
    void save_undo() {
        Rect all{0, 0, kSide, kSide};
        tb_CopyBitmap(picture, g_undoBitmap, &all, &all, 0);
    }

    std::vector<uint32_t> pixels() const {
        std::vector<uint32_t> all;
        for (int32_t y = 0; y < kSide; ++y) {
            for (int32_t x = 0; x < kSide; ++x) all.push_back(pixel_rgb(picture, x, y));
        }
        return all;
    }

    BitmapRef picture = -1;
    SceneObject tool;
};

// One dab in the middle of a flat picture (a single black pixel there for the blur): the centre
// pixel it leaves.
TEST_F(EffectToolsTest, EachModeFiltersTheCentreAsItsFilterSays) {
    struct Case {
        const char* tool;
        int32_t mode;
        uint32_t flat;
        int32_t red, green, blue;  // the Tint crayon's switches
        uint32_t centre;
    };
    const Case cases[] = {
        {"screwdriver", EFFECT_SHARPEN, 0x646464, 0, 0, 0, 0x6E6E6E},  // 1.5 v - 0.4 v
        {"sunglasses", EFFECT_DARKEN, kWhite, 0, 0, 0, 0xFAFAFA},
        {"light bulb", EFFECT_LIGHTEN, 0xFD0064, 0, 0, 0, 0xFF0569},
        {"tissue", EFFECT_BLUR, kWhite, 0, 0, 0, 0xE2E2E2},  // 8 of 9 white around the black
        {"tint red", EFFECT_TINT, 0x646464, 1, 0, 0, 0x786464},
        {"tint green", EFFECT_TINT, 0x0A650A, 0, 1, 0, 0x0A790A},  // 101 x 1.2, truncated
        {"tint green saturates", EFFECT_TINT, 0xC8DC32, 0, 1, 0, 0xC8FF32},
        {"tint blue", EFFECT_TINT, 0x646464, 0, 0, 1, 0x646478},
        {"chisel", EFFECT_EMBOSS, 0x123456, 0, 0, 0, 0xC8C8C8},  // flat becomes 200
    };
    for (const Case& c : cases) {
        fill(c.flat);
        if (c.mode == EFFECT_BLUR) set_pixel_rgb(picture, 20, 20, 0);
        tool.mode = c.mode;
        tool.red = c.red;
        tool.green = c.green;
        tool.blue = c.blue;
        stroke({{20, 20}});
        EXPECT_EQ(pixel_rgb(picture, 20, 20), c.centre) << c.tool;
        EXPECT_EQ(pixel_rgb(picture, 2, 2), c.flat) << c.tool << ": outside the disc";
    }
}

TEST_F(EffectToolsTest, SaltShakerSpecklesAFlatAreaWithinTenPercent) {
    fill(0x646464);
    tool.mode = EFFECT_GRAIN;
    std::srand(3);
    stroke({{20, 20}});
    std::set<uint32_t> seen;
    for (int32_t y = 12; y < 28; ++y) {
        for (int32_t x = 12; x < 28; ++x) {
            const uint32_t p = pixel_rgb(picture, x, y);
            for (int32_t shift : {0, 8, 16}) {
                const uint32_t channel = (p >> shift) & 0xFF;
                ASSERT_GE(channel, 90u);
                ASSERT_LE(channel, 110u);
            }
            seen.insert(p);
        }
    }
    EXPECT_GT(seen.size(), 15u);  // one random percentage per pixel, for all three channels
}

// Sunglasses at size 28: r = 14, the disc has radius 13 and is made of the rectangles
// (half-width, half-height) (2, 13), (13, 2), (6, 12), (12, 6) and (9, 9).
TEST_F(EffectToolsTest, SunglassesDarkenADiscMoreWithEveryDabOfTheStroke) {
    tool.soundId = kSoundSunglasses;
    save_undo();
    effect_press(&tool, 20, 20);
    ASSERT_EQ(headless::sounds().size(), 1u);
    EXPECT_TRUE(headless::sounds()[0].loop);
    const struct {
        int32_t x, y;
        bool inDisc;
    } points[] = {
        {20, 7, true},   {20, 6, false},  {20, 32, true},  {20, 33, false}, {7, 20, true},
        {6, 20, false},  {32, 20, true},  {33, 20, false}, {11, 11, true},  {10, 10, false},
        {28, 28, true},  {29, 29, false}, {14, 8, true},   {14, 7, false},  {31, 25, true},
        {31, 26, false}, {8, 25, true},   {7, 26, false},
    };
    for (const auto& p : points) {
        EXPECT_EQ(pixel_rgb(picture, p.x, p.y), p.inDisc ? 0xFAFAFAu : kWhite) << p.x << "," << p.y;
    }
    effect_drag(&tool, 20, 20);
    EXPECT_EQ(pixel_rgb(picture, 20, 20), 0xF5F5F5u);
    effect_release(&tool, 20, 20);
    EXPECT_FALSE(headless::playing());
    effect_drag(&tool, 20, 20);  // after the release nothing more happens
    EXPECT_EQ(pixel_rgb(picture, 20, 20), 0xF5F5F5u);
}

TEST_F(EffectToolsTest, ChiselEmbossesThePictureBeforeTheStrokeSoOnlyANewStrokeDeepensIt) {
    // A vertical edge: black on the left, white from column 20.
    for (int32_t y = 0; y < kSide; ++y) {
        for (int32_t x = 0; x < 20; ++x) set_pixel_rgb(picture, x, y, 0);
    }
    tool.mode = EFFECT_EMBOSS;
    stroke({{20, 20}});
    const std::vector<uint32_t> once = pixels();
    // Both columns beside the edge see white on their right: 450 x 255 / 400 + 200, clamped.
    EXPECT_EQ(pixel_rgb(picture, 19, 20), kWhite);
    EXPECT_EQ(pixel_rgb(picture, 20, 20), kWhite);
    EXPECT_EQ(pixel_rgb(picture, 18, 20), 0xC8C8C8u);  // flat black and flat white become 200
    EXPECT_EQ(pixel_rgb(picture, 21, 20), 0xC8C8C8u);
    stroke({{20, 20}, {20, 20}, {21, 20}, {20, 20}});
    EXPECT_NE(pixels(), once) << "a new stroke embosses the embossed picture";

    // Within one stroke going over the same place again changes nothing more.
    fill(kWhite);
    for (int32_t y = 0; y < kSide; ++y) {
        for (int32_t x = 0; x < 20; ++x) set_pixel_rgb(picture, x, y, 0);
    }
    stroke({{20, 20}, {20, 20}, {20, 20}});
    EXPECT_EQ(pixels(), once);
}

TEST_F(EffectToolsTest, OnlyThePictureInsideTheDiscChanges) {
    const std::vector<uint32_t> before = pixels();
    tool.size = 1;  // r = 1, a disc of radius 0: nothing goes back
    stroke({{20, 20}, {5, 5}});
    EXPECT_EQ(pixels(), before) << "size 1";
    tool.size = 40;
    stroke({{-21, 10}, {10, 61}, {-100, -100}});
    EXPECT_EQ(pixels(), before) << "boxes wholly outside";

    tool.size = 16;  // r = 8, a disc of radius 7 around the corner
    stroke({{0, 0}});
    EXPECT_EQ(pixel_rgb(picture, 0, 0), 0xFAFAFAu);
    EXPECT_EQ(pixel_rgb(picture, 6, 0), 0xFAFAFAu);
    EXPECT_EQ(pixel_rgb(picture, 7, 0), kWhite);
    EXPECT_EQ(pixel_rgb(picture, 0, 7), kWhite);
    EXPECT_TRUE(shown_boxes().empty());
}

// The filters that read neighbours see the picture go on past its edge: on a flat picture a dab
// at a corner leaves the edge pixels as each filter leaves a flat area inside (the blur
// unchanged, the sharpening 10 % brighter, the Chisel's flat relief).
TEST_F(EffectToolsTest, AtThePicturesEdgeTheNeighbourFiltersSeeNoDarkBeyondIt) {
    struct Case {
        const char* tool;
        int32_t mode;
    };
    for (const Case& c : {Case{"tissue", EFFECT_BLUR}, Case{"screwdriver", EFFECT_SHARPEN},
                          Case{"chisel", EFFECT_EMBOSS}}) {
        SCOPED_TRACE(c.tool);
        fill(0x8060A0);
        tool.mode = c.mode;
        tool.size = 16;
        stroke({{0, 0}});
        const uint32_t inside = pixel_rgb(picture, 4, 4);
        for (int32_t i = 0; i < 6; ++i) {
            EXPECT_EQ(pixel_rgb(picture, i, 0), inside) << "top edge, x " << i;
            EXPECT_EQ(pixel_rgb(picture, 0, i), inside) << "left edge, y " << i;
        }
        if (c.mode == EFFECT_BLUR) {
            EXPECT_EQ(inside, 0x8060A0u);
        }
    }
}

// ---- The Tint crayon's panel --------------------------------------------------------------------

class TintPanelTest : public ::testing::Test {
   protected:
    void SetUp() override {
        fresh_toolbox();
        scene = make_bitmap(120, 100);
        tint.sceneBitmap = scene;
        tint.size = 28;
        tint.red = 1;
    }
    // Panel point (x, y) as drawn into the scene bitmap.
    uint32_t at(int32_t x, int32_t y) const {
        return pixel_rgb(scene, kPanel.left + x, kPanel.top + y);
    }

    static constexpr Rect kPanel{10, 8, 104, 90};
    BitmapRef scene = -1;
    SceneObject tint;
};

TEST_F(TintPanelTest, ShowsTheSizeBarsAndRingsTheChosenChannel) {
    tint_options_draw(&tint, &kPanel);
    EXPECT_EQ(at(10, 20), 0x000000u);  // bar 16
    EXPECT_EQ(at(35, 20), 0x00FF00u);  // bar 28, the size in use
    EXPECT_EQ(at(35, 49), 0x00FF00u);
    EXPECT_EQ(at(35, 50), kWhite);     // the bars end above the line
    EXPECT_EQ(at(70, 20), 0x000000u);  // bar 40
    EXPECT_EQ(at(40, 52), 0x808080u);  // the grey line
    EXPECT_EQ(at(17, 66), 0xFFA0A0u);  // light red, light green, light blue
    EXPECT_EQ(at(47, 66), 0xA0FFA0u);
    EXPECT_EQ(at(77, 66), 0xA0A0FFu);
    EXPECT_EQ(at(17, 58), 0x00E300u);  // the ring around the red blob (58000 / 255 = 227)
    EXPECT_EQ(at(47, 58), kWhite);
    EXPECT_EQ(at(92, 40), kWhite);
}

TEST_F(TintPanelTest, ClicksChooseTheSizeOrExactlyOneChannel) {
    struct Click {
        int32_t x, y;
        int32_t size;
        int32_t red, green, blue;
    };
    const Click clicks[] = {
        {10, 20, 16, 1, 0, 0},  // bar 16
        {45, 60, 16, 0, 1, 0},  // the green blob
        {88, 72, 16, 0, 1, 0},  // just right of the blue blob's box: nothing
        {87, 72, 16, 0, 0, 1},  // the blue blob's box
        {60, 49, 40, 0, 0, 1},  // bar 40
        {60, 52, 40, 0, 0, 1},  // on the line: nothing
        {6, 60, 40, 1, 0, 0},   // the red blob's box
        {3, 30, 40, 1, 0, 0},   // the margin: nothing
    };
    for (const Click& c : clicks) {
        tint_options_click(&tint, kPanel.left + c.x, kPanel.top + c.y, &kPanel);
        EXPECT_EQ(tint.size, c.size) << c.x << "," << c.y;
        EXPECT_EQ(tint.red, c.red) << c.x << "," << c.y;
        EXPECT_EQ(tint.green, c.green) << c.x << "," << c.y;
        EXPECT_EQ(tint.blue, c.blue) << c.x << "," << c.y;
    }
    tint_options_draw(&tint, &kPanel);
    EXPECT_EQ(at(17, 58), 0x00E300u);
    EXPECT_EQ(at(70, 20), 0x00FF00u);
}

}  // namespace
