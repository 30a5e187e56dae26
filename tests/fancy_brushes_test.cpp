// The fancy brushes on tiny pictures: the random rules with a seeded generator, the star and
// its mask, splats cut out by their masks, mirror symmetry, the ball's highlight, the needle's
// one colour per event, the two kinds of options panel, and each tool of the real table
// leaving no bitmap behind.
#include "tools/fancy_brushes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <set>
#include <vector>

#include "resources/resource_ids.h"
#include "resources/resources.h"
#include "scene_fixture.h"
#include "test_support.h"
#include "toolbox/platform_headless.h"
#include "tools/random_rules.h"

namespace {

constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kRed = 0xFF0000;
constexpr uint32_t kBlue = 0x0000FF;
constexpr int32_t kFull = 65025;

int32_t bitmaps_in_use() {
    int32_t n = 0;
    for (BitmapRef b = 0; b < TB_MAX_BITMAPS; ++b) n += tb_GetBitmapImage(b) != nullptr ? 1 : 0;
    return n;
}

void fill(BitmapRef bitmap, uint32_t rgb) {
    for (int32_t y = 0; y < tb_GetBitmapHeight(bitmap); ++y)
        for (int32_t x = 0; x < tb_GetBitmapWidth(bitmap); ++x) set_pixel_rgb(bitmap, x, y, rgb);
}

// Every pixel of the picture that is not `ground`, by colour.
std::multiset<uint32_t> painted(BitmapRef picture, uint32_t ground) {
    std::multiset<uint32_t> colours;
    for (int32_t y = 0; y < tb_GetBitmapHeight(picture); ++y)
        for (int32_t x = 0; x < tb_GetBitmapWidth(picture); ++x)
            if (pixel_rgb(picture, x, y) != ground) colours.insert(pixel_rgb(picture, x, y));
    return colours;
}

// How many pixels other than white lie more than `reach` from (cx, cy) along either axis.
int32_t painted_beyond(BitmapRef picture, int32_t cx, int32_t cy, int32_t reach) {
    int32_t n = 0;
    for (int32_t y = 0; y < tb_GetBitmapHeight(picture); ++y)
        for (int32_t x = 0; x < tb_GetBitmapWidth(picture); ++x)
            if (std::abs(x - cx) > reach || std::abs(y - cy) > reach)
                n += pixel_rgb(picture, x, y) != kWhite ? 1 : 0;
    return n;
}

class FancyBrushes : public ::testing::Test {
   protected:
    void SetUp() override { fresh_toolbox(); }

    // A tool painting into a fresh w x h picture of `ground`.
    SceneObject tool(int32_t size, int32_t mode, int32_t w = 40, int32_t h = 40,
                     uint32_t ground = kWhite) {
        picture = make_bitmap(w, h);
        fill(picture, ground);
        SceneObject o;
        o.size = size;
        o.mode = mode;
        o.pictureBitmap = picture;
        return o;
    }

    BitmapRef picture = -1;
};

// ---- The random rules -----------------------------------------------------------------------

TEST_F(FancyBrushes, RandomRulesDrawInTheirOrderAndStayInRange) {
    // Each channel draws its brightness before its factor.
    std::srand(7);
    int32_t expected[3];
    for (int32_t& channel : expected) {
        const int32_t brightness = tb_Random(12000, 65000);
        channel = std::min(tb_Round(tb_Random(0, 200) / 100.0 * brightness), kFull);
    }
    std::srand(7);
    const ToolColour c = random_colour();
    EXPECT_EQ((std::vector<int32_t>{c.red, c.green, c.blue}),
              (std::vector<int32_t>{expected[0], expected[1], expected[2]}));
    // Channels reach from black to full; offsets reach both ways along both axes, no further.
    std::set<int32_t> channels, xs, ys;
    for (int32_t i = 0; i < 3000; ++i) {
        const ToolColour r = random_colour();
        channels.insert({r.red, r.green, r.blue});
        const Point o = random_offset(0, 9);
        xs.insert(o.x);
        ys.insert(o.y);
    }
    EXPECT_EQ(*channels.begin(), 0);
    EXPECT_EQ(*channels.rbegin(), kFull);
    EXPECT_EQ((std::vector<int32_t>{*xs.begin(), *xs.rbegin(), *ys.begin(), *ys.rbegin()}),
              (std::vector<int32_t>{-9, 9, -9, 9}));
}

// ---- Star wand ------------------------------------------------------------------------------

TEST_F(FancyBrushes, AStarsMaskAndImageAgreeAndAStarOfNoSizeIsNothing) {
    const ToolColour red{kFull, 0, 0};
    for (int32_t size : {-1, 0, 1, 2, 5, 16, 31, 48}) {
        SCOPED_TRACE(size);
        const int32_t before = bitmaps_in_use();
        BitmapRef image = -1, mask = -1;
        make_star(size, red, &image, &mask);
        if (size < 1) {
            EXPECT_EQ(image, -1);
            EXPECT_EQ(mask, -1);
            EXPECT_EQ(bitmaps_in_use(), before);
            continue;
        }
        ASSERT_GE(image, 0);
        ASSERT_GE(mask, 0);
        int32_t ink = 0;
        for (int32_t y = 0; y < size; ++y) {
            for (int32_t x = 0; x < size; ++x) {
                const TbColor m = target_colour(mask, x, y);
                ASSERT_TRUE(m == 0 || m == 0xFFFFFF) << x << "," << y;
                EXPECT_EQ(pixel_rgb(image, x, y), m != 0 ? kRed : kWhite) << x << "," << y;
                ink += m != 0 ? 1 : 0;
            }
        }
        if (size >= 16) {
            // Filled in the middle, empty at the corners, between the two lower points and
            // beside the side points; a five-pointed star covers about a third of its square.
            const int32_t m = size / 2, e = size - 1;
            EXPECT_EQ((std::vector<uint32_t>{pixel_rgb(image, m, m), pixel_rgb(image, 0, 0),
                                             pixel_rgb(image, e, 0), pixel_rgb(image, m, e),
                                             pixel_rgb(image, e, m)}),
                      (std::vector<uint32_t>{kRed, kWhite, kWhite, kWhite, kWhite}));
            EXPECT_TRUE(ink > size * size / 4 && ink < size * size / 2) << ink;
        }
        tb_DisposeBitmap(image);
        tb_DisposeBitmap(mask);
    }
    EXPECT_TRUE(shown_boxes().empty());
}

TEST_F(FancyBrushes, StarWandStarsAreInTheToolColourWithWhiteBetweenTheirPoints) {
    SceneObject wand = tool(48, 0, 80, 80);
    wand.red = kFull;
    std::srand(3);
    star_press(&wand, 40, 40);
    star_drag(&wand, 42, 41);
    star_release(&wand, 42, 41);
    const std::multiset<uint32_t> colours = painted(picture, kWhite);
    ASSERT_FALSE(colours.empty());
    EXPECT_EQ(colours.count(kRed), colours.size());
    // The stars lie within the reach of the pointer: offset r / 2 plus half a star of side r.
    EXPECT_EQ(painted_beyond(picture, 41, 40, 25), 0);

    // At size 2 a star is 0 or 1 pixels wide: nothing to show, nothing to complain about.
    SceneObject tiny = tool(2, 0);
    for (unsigned seed = 0; seed < 20; ++seed) {
        std::srand(seed);
        star_press(&tiny, 20, 20);
        star_release(&tiny, 20, 20);
    }
    EXPECT_TRUE(shown_boxes().empty());
}

// ---- Splat gun ------------------------------------------------------------------------------

TEST_F(FancyBrushes, SplatsAreRecolouredAndCutOutByTheirMasks) {
    struct Case {
        int32_t size;
        unsigned seed;
    };
    for (const Case& c : {Case{120, 1}, Case{120, 2}, Case{120, 9}, Case{90, 4}, Case{60, 5}}) {
        SCOPED_TRACE(c.size);
        SceneObject gun = tool(c.size, 0, 200, 200, kRed);
        gun.blue = kFull;
        std::srand(c.seed);
        splat_press(&gun, 100, 100);
        fancy_release(&gun, 100, 100);
        const int32_t r = c.size / 2;
        int32_t blue = 0;
        for (int32_t y = 0; y < 200; ++y) {
            for (int32_t x = 0; x < 200; ++x) {
                const uint32_t p = pixel_rgb(picture, x, y);
                const bool inBox = x >= 100 - r && x < 100 + r && y >= 100 - r && y < 100 + r;
                ASSERT_TRUE(p == kRed || (inBox && p == kBlue)) << x << "," << y;
                blue += p == kBlue ? 1 : 0;
            }
        }
        // At full size the splat is exactly one of the three masks: white there, red elsewhere.
        int32_t matches = 0;
        for (int32_t mask : {kMaskSplat1, kMaskSplat2, kMaskSplat3}) {
            Rect whole;
            BitmapRef m = tb_CreateBitmap(&whole, mask, 8);
            int32_t ink = 0;
            bool same = true;
            for (int32_t y = 0; y < 120; ++y) {
                for (int32_t x = 0; x < 120; ++x) {
                    const bool on = target_colour(m, x, y) != 0;
                    ink += on ? 1 : 0;
                    if (c.size == 120)
                        same = same && on == (pixel_rgb(picture, x + 40, y + 40) == kBlue);
                }
            }
            tb_DisposeBitmap(m);
            const double expected = ink * (c.size / 120.0) * (c.size / 120.0);
            if (c.size == 120 ? same : std::abs(blue - expected) < expected * 0.1) ++matches;
        }
        EXPECT_GE(matches, 1);
        tb_DisposeBitmap(picture);
    }
}

// ---- Mirror brush ---------------------------------------------------------------------------

TEST_F(FancyBrushes, MirrorStrokesAreSymmetricAboutThePressPoint) {
    struct Case {
        int32_t mode;
        int32_t size;
    };
    for (const Case& c : {Case{1, 1}, Case{1, 4}, Case{1, 5}, Case{2, 4}, Case{2, 3}}) {
        SCOPED_TRACE(testing::Message() << "mode " << c.mode << " size " << c.size);
        SceneObject brush = tool(c.size, c.mode, 41, 41);
        mirror_press(&brush, 20, 20);
        mirror_drag(&brush, 28, 24);
        mirror_drag(&brush, 33, 31);
        mirror_release(&brush, 33, 31);
        EXPECT_EQ(mirror_centre().x, 33);
        // Odd pens are centred on the pixel, even ones on its top-left corner.
        const int32_t across = c.size % 2 == 1 ? 40 : 39;
        EXPECT_NE(pixel_rgb(picture, 28, 24), kWhite);
        EXPECT_NE(pixel_rgb(picture, across - 28, 24), kWhite);
        for (int32_t y = 0; y < 41; ++y) {
            for (int32_t x = 0; x <= across; ++x) {
                ASSERT_EQ(pixel_rgb(picture, x, y), pixel_rgb(picture, across - x, y))
                    << x << "," << y;
                if (c.mode == 2 && y <= across) {
                    ASSERT_EQ(pixel_rgb(picture, x, y), pixel_rgb(picture, x, across - y))
                        << x << "," << y;
                }
            }
        }
        // Only the four-way mirror paints above the press point.
        EXPECT_EQ(pixel_rgb(picture, 28, across - 24) != kWhite, c.mode == 2);
        tb_DisposeBitmap(picture);
    }
}

// ---- Ball brush -----------------------------------------------------------------------------

TEST_F(FancyBrushes, DarkBallsGetAStrongHighlightAndLightOnesASoftOne) {
    struct Case {
        int32_t red;
        int32_t minGreen;  // brightest green in the picture (8-bit), from the rings alone
        int32_t maxGreen;
    };
    // Below a length of 2000 / 0.6 every ring adds 6 % of full intensity; above it, 6 % of the
    // colour's own length.
    for (const Case& c : {Case{0, 90, 160}, Case{3000, 90, 160}, Case{4000, 1, 12}}) {
        for (unsigned seed : {1u, 2u, 3u}) {
            SCOPED_TRACE(testing::Message() << c.red << " seed " << seed);
            SceneObject ball = tool(64, 0, 80, 80);
            ball.red = c.red;
            std::srand(seed);
            ball_press(&ball, 40, 40);
            fancy_release(&ball, 40, 40);
            int32_t brightest = 0;
            for (uint32_t p : painted(picture, kWhite))
                brightest = std::max(brightest, static_cast<int32_t>((p >> 8) & 255));
            EXPECT_GE(brightest, c.minGreen);
            EXPECT_LE(brightest, c.maxGreen);
            tb_DisposeBitmap(picture);
        }
    }
}

// ---- Needle and thread ----------------------------------------------------------------------

TEST_F(FancyBrushes, NeedleStitchesShareOneColourPerEventWithinReach) {
    struct Case {
        int32_t mode;
        uint32_t colour;  // 0 for a random one
    };
    for (const Case& c : {Case{0, kBlue}, Case{1, 0}, Case{2, 0x000000}}) {
        SCOPED_TRACE(c.mode);
        SceneObject needle = tool(48, c.mode, 80, 80);
        needle.blue = kFull;
        std::srand(8);
        needle_press(&needle, 40, 40);
        needle_release(&needle, 40, 40);
        const std::multiset<uint32_t> colours = painted(picture, kWhite);
        ASSERT_FALSE(colours.empty());
        const uint32_t first = *colours.begin();
        EXPECT_EQ(colours.count(first), colours.size());
        if (c.mode != 1) {
            EXPECT_EQ(first, c.colour);
        }
        EXPECT_NE(pixel_rgb(picture, 40, 40), kWhite);
        EXPECT_EQ(painted_beyond(picture, 40, 40, 25), 0);  // reach 24, pen 2
        tb_DisposeBitmap(picture);
    }
}

// ---- Options panels -------------------------------------------------------------------------

TEST_F(FancyBrushes, PanelsFrameTheChosenModeAndClicksChooseModeAndSize) {
    const Rect panel{7, 337, 101, 419};
    BitmapRef scene = make_bitmap(120, 440);
    struct Case {
        SceneDrawOptionsOp draw;
        SceneClickOptionsOp click;
        Point at;            // panel pixels
        int32_t mode, size;  // after the click, from mode 0 or 1 and size 48 or 16
    };
    const Case cases[] = {
        {colour_mode_panel_draw, colour_mode_panel_click, {60, 70}, 1, 48},
        {colour_mode_panel_draw, colour_mode_panel_click, {15, 60}, 0, 48},
        {colour_mode_panel_draw, colour_mode_panel_click, {10, 20}, 0, 32},
        {colour_mode_panel_draw, colour_mode_panel_click, {88, 49}, 0, 64},
        {colour_mode_panel_draw, colour_mode_panel_click, {24, 30}, 0, 48},  // between bars
        {splat_panel_draw, splat_panel_click, {57, 9}, 0, 120},
        {splat_panel_draw, splat_panel_click, {40, 40}, 0, 90},
        {mirror_panel_draw, mirror_panel_click, {80, 78}, 2, 16},
        {mirror_panel_draw, mirror_panel_click, {11, 55}, 1, 16},
        {mirror_panel_draw, mirror_panel_click, {6, 9}, 1, 8},
        {mirror_panel_draw, mirror_panel_click, {45, 60}, 1, 16},  // between the choices
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.at.x << "," << c.at.y);
        const bool mirror = c.draw == mirror_panel_draw;
        SceneObject o;
        o.sceneBitmap = scene;
        o.mode = mirror ? 1 : 0;
        o.size = mirror ? 16 : (c.draw == splat_panel_draw ? 90 : 48);
        o.red = kFull;
        c.click(&o, panel.left + c.at.x, panel.top + c.at.y, &panel);
        EXPECT_EQ(o.mode, c.mode);
        EXPECT_EQ(o.size, c.size);

        c.draw(&o, &panel);
        auto at = [&](int32_t x, int32_t y) {
            return pixel_rgb(scene, panel.left + x, panel.top + y);
        };
        // The size bars: the current one green.
        const int32_t barX[] = {6, 27, 57};
        int32_t green = 0;
        for (int32_t x : barX) {
            EXPECT_TRUE(at(x, 9) == 0x00FF00 || at(x, 9) == 0) << x;
            green += at(x, 49) == 0x00FF00 ? 1 : 0;
        }
        EXPECT_EQ(green, 1);
        EXPECT_EQ(at(6, 52), 0x808080u);
        EXPECT_EQ(at(89, 52), kWhite);  // the grey line leaves its end point
        // The chosen picture framed in green, the other not.
        const bool left = o.mode == (mirror ? 1 : 0);
        EXPECT_EQ(at(11, 55), left ? 0x00E300u : kWhite);
        EXPECT_EQ(at(53, 55), left ? kWhite : 0x00E300u);
        // Own colour drops or both mirror pictures in the tool's colour.
        EXPECT_EQ(at(mirror ? 16 : 25, 62), kRed);
        if (mirror) {
            EXPECT_EQ(at(58, 62), kRed);
        }
    }
}

// ---- The real table -------------------------------------------------------------------------

class FancyTable : public SceneTest {};

TEST_F(FancyTable, EachBrushPaintsWithItsPointerAndSoundAndLeavesNoBitmapBehind) {
    start_scene(640, 480);
    struct Case {
        int32_t entry;
        std::vector<int32_t> sounds;  // one of these plays at the press
    };
    const Case cases[] = {
        {25, {kSoundPop1, kSoundPop2, kSoundPop3, kSoundPop4, kSoundPop5}},
        {26, {kSoundMirror}},
        {27, {kSoundStarWand}},
        {28, {kSoundNeedle}},
        {29, {kSoundSplat1, kSoundSplat2, kSoundSplat3}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry);
        SceneObject& o = g_sceneObjects[c.entry];
        o.setColour(&o, 0, 0, kFull);
        Rect whole{0, 0, scene_picture_width(), scene_picture_height()};
        tb_SetForeColor(g_pictureBitmap, kFull, kFull, kFull);
        tb_PaintRect(g_pictureBitmap, &whole);
        const int32_t before = bitmaps_in_use();
        headless::finish_sound();
        const size_t played = headless::sounds().size();
        o.press(&o, 100, 100);
        EXPECT_EQ(headless::cursor_id(), o.cursorId);
        ASSERT_GT(headless::sounds().size(), played);
        int32_t id = 0;
        for (int32_t candidate : c.sounds) {
            const uint8_t* wave = find_resource(ResourceKind::Sound, candidate).data;
            if (wave == headless::sounds()[played].wave) id = candidate;
        }
        EXPECT_NE(id, 0);
        o.drag(&o, 120, 110);
        o.release(&o, 120, 110);
        EXPECT_EQ(o.active, 0);
        EXPECT_EQ(bitmaps_in_use(), before);
        EXPECT_GT(painted(g_pictureBitmap, kWhite).count(kBlue), 0u);
        // A drag after the release paints nothing.
        const size_t blue = painted(g_pictureBitmap, kWhite).count(kBlue);
        o.drag(&o, 300, 200);
        EXPECT_EQ(painted(g_pictureBitmap, kWhite).count(kBlue), blue);
    }
    EXPECT_TRUE(shown_boxes().empty());
}

}  // namespace
