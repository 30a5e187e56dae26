// The Scissors and the stamp books on a 640 x 480 room, driven through the window procedure as
// the events arrive: what a cut takes, where copies land (also zoomed), what the window shows
// while something is carried, how carrying ends, and that nothing is left in the bitmap table.
#include "tools/scissors_stamps.h"

#include <gtest/gtest.h>

#include "resources/resource_ids.h"
#include "resources/resources.h"
#include "scene/input_dispatch.h"
#include "scene/scene.h"
#include "scene/scene_draw.h"
#include "scene/scene_table.h"
#include "shell/app_state.h"
#include "shell/preferences.h"
#include "shell/startup.h"
#include "shell/window_proc.h"
#include "test_support.h"
#include "toolbox/platform_headless.h"

namespace {

constexpr int32_t kScissors = 8;
constexpr int32_t kButterflyBook = 15;
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kRed = 0xFF0000;
// The picture area at 640 x 480.
constexpr Rect kArea{147, 16, 621, 384};

class ScissorsStamps : public ::testing::Test {
   protected:
    void SetUp() override {
        fresh_toolbox();
        Rect screen{0, 0, 640, 480};
        g_app.mainWindow = tb_OpenWindow(&screen, "Tintamar");
        tb_SetPointerMode(2);
        preferences_set_defaults();
        tb_SetSoundSwitch(&g_prefs.soundOn);
        g_zoomed = g_zoomOriginX = g_zoomOriginY = 0;
        g_buttonHeldByEvents = 0;
        scene_startup(640, 480);
    }
    void TearDown() override {
        scene_release();
        g_app = AppState{};
        g_zoomed = 0;
        g_buttonHeldByEvents = 0;
    }

    static void send(int32_t kind, int32_t x, int32_t y) {
        TbEvent e = event_of(kind, x, y);
        window_proc(&e);
    }
    static void press(int32_t x, int32_t y) { send(TB_EVENT_BUTTON_DOWN, x, y); }
    static void move(int32_t x, int32_t y) { send(TB_EVENT_MOUSE_MOVE, x, y); }
    static void release(int32_t x, int32_t y) { send(TB_EVENT_BUTTON_UP, x, y); }
    static void click(int32_t x, int32_t y) {
        press(x, y);
        release(x, y);
    }
    // A band from one corner to the other, released there.
    static void cut(Point from, Point to) {
        press(from.x, from.y);
        move((from.x + to.x) / 2, (from.y + to.y) / 2);
        move(to.x, to.y);
        release(to.x, to.y);
    }

    static SceneObject& tool(int32_t entry) { return g_sceneObjects[entry]; }

    // Every picture pixel a colour of its own, shown on the screen.
    static uint32_t pattern(int32_t x, int32_t y) {
        return static_cast<uint32_t>(x * 0x010305 + y * 0x070B0D) & 0xFFFFFF;
    }
    static void paint_pattern() {
        for (int32_t y = 0; y < 368; ++y) {
            for (int32_t x = 0; x < 474; ++x) set_pixel_rgb(g_pictureBitmap, x, y, pattern(x, y));
        }
        scene_show_picture_area();
    }
    // White, with a red 10 x 10 square at picture (10, 10).
    static void paint_square() {
        Rect whole{0, 0, 474, 368};
        Rect square{10, 10, 20, 20};
        tb_SetForeColor(g_pictureBitmap, 65025, 65025, 65025);
        tb_PaintRect(g_pictureBitmap, &whole);
        tb_SetForeColor(g_pictureBitmap, 65025, 0, 0);
        tb_PaintRect(g_pictureBitmap, &square);
        scene_compose_picture();
    }

    static TbColor on_window(int32_t x, int32_t y) {
        return target_colour(tb_GetMainWindow(), x, y);
    }
    static TbColor in_back_buffer(int32_t x, int32_t y) {
        return target_colour(g_backBuffer, x, y);
    }
    static int32_t picture_pixels(uint32_t rgb) {
        int32_t n = 0;
        for (int32_t y = 0; y < 368; ++y) {
            for (int32_t x = 0; x < 474; ++x) n += pixel_rgb(g_pictureBitmap, x, y) == rgb ? 1 : 0;
        }
        return n;
    }
    // Whether the window shows the back buffer everywhere inside r.
    static bool window_shows_back_buffer(const Rect& r) {
        for (int32_t y = r.top; y < r.bottom; ++y) {
            for (int32_t x = r.left; x < r.right; ++x) {
                if (on_window(x, y) != in_back_buffer(x, y)) return false;
            }
        }
        return true;
    }
    static int32_t bitmaps_in_use() {
        int32_t n = 0;
        for (BitmapRef b = 0; b < TB_MAX_BITMAPS; ++b) n += tb_GetBitmapImage(b) != nullptr ? 1 : 0;
        return n;
    }
    static bool played(int32_t id) {
        const uint8_t* wave = find_resource(ResourceKind::Sound, id).data;
        for (const headless::PlayedSound& s : headless::sounds()) {
            if (s.wave == wave) return true;
        }
        return false;
    }
};

TEST_F(ScissorsStamps, ACutOfAtLeastEightByEightFloatsWithTheScreensPixels) {
    struct Case {
        Point from, to;
        int32_t width, height;  // 0: nothing is cut
    };
    const Case cases[] = {
        {{200, 100}, {207, 140}, 0, 0},    // 7 x 40
        {{200, 100}, {240, 107}, 0, 0},    // 40 x 7
        {{200, 100}, {208, 108}, 8, 8},    // the smallest cut
        {{260, 130}, {239, 117}, 21, 13},  // dragged up and left, odd sides
    };
    paint_pattern();
    g_currentObject = kScissors;
    const SceneObject& s = tool(kScissors);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << " x " << c.height);
        cut(c.from, c.to);
        if (c.width == 0) {
            EXPECT_EQ(s.active + s.mode, 0);
            EXPECT_EQ(s.size, 1);
            continue;
        }
        ASSERT_EQ(s.mode, 1);
        ASSERT_EQ(tb_GetBitmapWidth(g_floatingImage), c.width);
        ASSERT_EQ(tb_GetBitmapHeight(g_floatingImage), c.height);
        const int32_t left = std::min(c.from.x, c.to.x) - kArea.left;
        const int32_t top = std::min(c.from.y, c.to.y) - kArea.top;
        for (int32_t y = 0; y < c.height; ++y) {
            for (int32_t x = 0; x < c.width; ++x) {
                ASSERT_EQ(pixel_rgb(g_floatingImage, x, y), pattern(left + x, top + y));
            }
        }
        EXPECT_TRUE(played(kSoundPop1));
        release(10, 10);  // off the picture: put down
        EXPECT_EQ(s.mode, 0);
    }
}

TEST_F(ScissorsStamps, TheBandStopsAtThePictureEdgeAndIsDrawnOnTheWindowOnly) {
    SceneObject& s = tool(kScissors);
    g_buttonHeldByEvents = 1;
    scissors_press(&s, 600, 300);
    scissors_drag(&s, 700, 420);
    EXPECT_EQ(s.curX, kArea.right);
    EXPECT_EQ(s.curY, kArea.bottom);
    EXPECT_EQ(on_window(kArea.right - 1, 340), 0u);  // its right side, in black
    EXPECT_TRUE(window_shows_back_buffer(Rect{kArea.right, 290, 640, 400}));
    scissors_drag(&s, 610, 320);  // back inside: the larger band goes
    EXPECT_EQ(on_window(kArea.right - 1, 340), in_back_buffer(kArea.right - 1, 340));
    EXPECT_EQ(picture_pixels(kWhite), 474 * 368);
}

TEST_F(ScissorsStamps, EveryPressWhileCarryingStampsACopyAtHalfSizeWhileZoomed) {
    struct Case {
        int32_t zoomed;
        Rect cut;      // window pixels: the red square as shown
        Point stamp;   // window point
        Rect landing;  // picture pixels
    };
    const Case cases[] = {
        {0, {157, 26, 167, 36}, {300, 200}, {148, 179, 158, 189}},
        {1, {167, 36, 187, 56}, {300, 200}, {71, 87, 81, 97}},
        {1, {167, 36, 187, 56}, {148, 17}, {0, 0, 5, 5}},  // past the corner: cut there
    };
    g_currentObject = kScissors;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "zoomed " << c.zoomed << ", at " << c.stamp.x);
        g_zoomed = c.zoomed;
        paint_square();
        cut(Point{c.cut.left, c.cut.top}, Point{c.cut.right, c.cut.bottom});
        move(c.stamp.x, c.stamp.y);
        click(c.stamp.x, c.stamp.y);
        EXPECT_TRUE(played(kSoundStamp));
        const Rect& l = c.landing;
        EXPECT_EQ(picture_pixels(kRed), 100 + (l.right - l.left) * (l.bottom - l.top));
        for (int32_t y = l.top; y < l.bottom; ++y) {
            for (int32_t x = l.left; x < l.right; ++x) {
                ASSERT_EQ(pixel_rgb(g_pictureBitmap, x, y), kRed) << x << ", " << y;
            }
        }
        EXPECT_EQ(tool(kScissors).mode, 1) << "it goes on carrying";
        release(10, 10);
    }
}

TEST_F(ScissorsStamps, APressHandledAfterTheButtonCameUpStillStampsTheWholeCutAsShown) {
    paint_pattern();
    g_currentObject = kScissors;
    cut(Point{200, 100}, Point{221, 113});  // odd sides: 21 x 13
    move(400, 250);
    // The release is already queued: the button is up by the time the press is handled.
    headless::set_button(false);
    press(400, 250);
    const int32_t left = 400 - 21 / 2 - kArea.left;
    const int32_t top = 250 - 13 / 2 - kArea.top;
    for (int32_t y = -1; y <= 13; ++y) {
        for (int32_t x = -1; x <= 21; ++x) {
            const bool copied = x >= 0 && x < 21 && y >= 0 && y < 13;
            ASSERT_EQ(pixel_rgb(g_pictureBitmap, left + x, top + y),
                      copied ? pattern(200 - kArea.left + x, 100 - kArea.top + y)
                             : pattern(left + x, top + y))
                << x << ", " << y;
        }
    }
}

TEST_F(ScissorsStamps, TheCKeyEndsCarryingAndLeavesNothingOnTheWindow) {
    paint_pattern();
    g_currentObject = kScissors;
    SceneObject& s = tool(kScissors);
    cut(Point{200, 100}, Point{240, 130});
    move(400, 250);
    const int32_t shown = headless::presents();
    move(404, 252);
    EXPECT_EQ(headless::presents(), shown + 1) << "a move reaches the screen in one piece";
    EXPECT_EQ(s.size, 40);

    headless::set_key('C', true);
    move(450, 300);
    headless::set_key('C', false);
    EXPECT_EQ(s.active + s.mode, 0);
    EXPECT_EQ(s.size, 1);
    EXPECT_TRUE(window_shows_back_buffer(Rect{370, 220, 480, 330}));
    // The next press starts a cut, not held away from the edges by the old size.
    press(kArea.left + 2, kArea.top + 2);
    EXPECT_EQ(s.lastX, kArea.left + 2);
    release(kArea.left + 2, kArea.top + 2);

    // The idle pass ends it the same way, also where the cut reached over the frame.
    cut(Point{200, 100}, Point{240, 130});
    move(150, 200);
    headless::set_key('C', true);
    idle_pass();
    headless::set_key('C', false);
    EXPECT_EQ(s.active + s.mode, 0);
    EXPECT_EQ(s.size, 1);
    EXPECT_TRUE(window_shows_back_buffer(Rect{120, 180, 180, 220}));
}

TEST_F(ScissorsStamps, AStampLandsThroughItsMaskAt48PixelsAndFloatsTwiceAsLargeWhileZoomed) {
    g_currentObject = kButterflyBook;
    press(300, 200);  // no stamp chosen yet
    EXPECT_EQ(tool(kButterflyBook).active, 1);
    EXPECT_EQ(picture_pixels(kWhite), 474 * 368);
    EXPECT_FALSE(played(kSoundStamp));
    release(10, 10);

    constexpr int32_t kStamp = 13;
    Rect sheetRect;
    BitmapRef sheet = tb_CreateBitmap(&sheetRect, kBitmapStampSheetCreatures, 24);
    BitmapRef mask = tb_CreateBitmap(&sheetRect, kMaskStampSheetCreatures, 8);
    const Rect cell = stamp_cell(kStamp);
    // The sheet where the mask is white, else what was under.
    auto expected = [&](int32_t i, int32_t j, TbColor under) {
        return target_colour(mask, cell.left + i, cell.top + j) == kWhite
                   ? target_colour(sheet, cell.left + i, cell.top + j)
                   : under;
    };
    ASSERT_TRUE(
        stamp_take_from_sheet(kBitmapStampSheetCreatures, kMaskStampSheetCreatures, kStamp));
    for (int32_t scale = 1; scale <= 2; ++scale) {
        SCOPED_TRACE(scale);
        g_zoomed = scale - 1;
        paint_square();
        click(301, 201);
        const Point at = scene_window_to_picture(301 - 24 * scale, 201 - 24 * scale);
        int32_t inked = 0;
        for (int32_t j = 0; j < kStampSide; ++j) {
            for (int32_t i = 0; i < kStampSide; ++i) {
                const TbColor want = expected(i, j, kWhite);
                ASSERT_EQ(target_colour(g_pictureBitmap, at.x + i, at.y + j), want);
                inked += want != kWhite ? 1 : 0;
            }
        }
        EXPECT_EQ(picture_pixels(kWhite), 474 * 368 - 100 - inked) << "nothing beyond 48 x 48";

        move(451, 251);  // floating: each stamp pixel is scale x scale window pixels
        const Rect on{451 - 24 * scale, 251 - 24 * scale, 451 + 24 * scale, 251 + 24 * scale};
        for (int32_t y = on.top; y < on.bottom; ++y) {
            for (int32_t x = on.left; x < on.right; ++x) {
                ASSERT_EQ(on_window(x, y), expected((x - on.left) / scale, (y - on.top) / scale,
                                                    in_back_buffer(x, y)));
            }
        }
        release(10, 10);  // off the picture: put down, and gone from the window
        EXPECT_EQ(tool(kButterflyBook).active, 0);
        EXPECT_TRUE(window_shows_back_buffer(on));
    }
    tb_DisposeBitmap(sheet);
    tb_DisposeBitmap(mask);
}

TEST_F(ScissorsStamps, CuttingCarryingAndEndingTenTimesLeavesTheBitmapTableAsItWas) {
    paint_pattern();
    g_currentObject = kScissors;
    cut(Point{200, 100}, Point{260, 150});
    release(10, 10);
    const int32_t inUse = bitmaps_in_use();  // the last cut stays until the next one
    for (int32_t round = 0; round < 10; ++round) {
        cut(Point{200 + round, 100}, Point{260, 150 + round});
        move(400, 250);
        click(400, 250);
        move(420, 260);
        if (round % 2 == 0) {
            release(10, 10);
        } else {
            headless::set_key('C', true);
            idle_pass();
            headless::set_key('C', false);
        }
        ASSERT_EQ(tool(kScissors).mode, 0);
    }
    EXPECT_EQ(bitmaps_in_use(), inUse);
    for (int32_t n = 0; n < 10; ++n) {
        stamp_take_from_sheet(kBitmapStampSheetShapes, kMaskStampSheetShapes, n);
    }
    EXPECT_EQ(bitmaps_in_use(), inUse + 2);
}

}  // namespace
