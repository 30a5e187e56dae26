// Composing the room: the layout for the window size, the pots and swatch in their colours,
// showing only what changed, the zoom, undo, the clearing animations and a display change.
#include <algorithm>
#include <cstring>
#include <string>

#include "resources/resource_ids.h"
#include "resources/resources.h"
#include "scene/frame.h"
#include "scene_fixture.h"

namespace {

using ComposeTest = SceneTest;

constexpr uint32_t kWhite = 0xFFFFFF;

// A pot's fill point in window coordinates (the pot art lies at (475, H - 96)).
Point pot_point(int32_t height, int32_t pot) {
    return Point{475 + kPointsPotFill[pot].x, height - 96 + kPointsPotFill[pot].y};
}

TEST_F(ComposeTest, LayoutAndPictureSizeFollowTheWindow) {
    struct Case {
        int32_t w, h, pw, ph;
    };
    for (Case c : {Case{640, 480, 474, 368}, Case{800, 600, 634, 488}, Case{1024, 768, 858, 656}}) {
        start_scene(c.w, c.h);
        EXPECT_EQ(tb_GetBitmapWidth(g_pictureBitmap), c.pw);
        EXPECT_EQ(tb_GetBitmapHeight(g_pictureBitmap), c.ph);
        EXPECT_EQ(tb_GetBitmapWidth(g_undoBitmap), c.pw);
        EXPECT_EQ(tb_GetBitmapWidth(g_backBuffer), c.w);
        EXPECT_EQ(tb_GetBitmapHeight(g_backBuffer), c.h);
        const Rect& p = g_layout.picture;
        EXPECT_EQ(p.left, 147);
        EXPECT_EQ(p.top, 16);
        EXPECT_EQ(p.right - p.left, c.pw);
        EXPECT_EQ(p.bottom - p.top, c.ph);
        EXPECT_EQ(g_layout.optionsPanel.top, c.h - 480 + 337);
        EXPECT_EQ(g_layout.swatch.top, c.h - 40);
        EXPECT_EQ(scene_button_rect(8).top, c.h - 55);
        EXPECT_EQ(scene_button_rect(0).top, c.h - 480 + 69);
        EXPECT_EQ(pixel_rgb(g_pictureBitmap, c.pw - 1, c.ph - 1), kWhite);
        EXPECT_EQ(pixel_rgb(g_backBuffer, 147, 16), kWhite);
        EXPECT_EQ(window_pixel(c.w - 20, c.h - 97), kWhite) << "the first composition is shown";
        EXPECT_TRUE(shown_boxes().empty()) << box_texts().front();
        scene_release();
    }
    start_scene(640, 480);
}

TEST_F(ComposeTest, PotsAndSwatchShowTheirColours) {
    start_scene(640, 480);
    const int32_t h = 480;
    auto back = [&](Point p) { return pixel_rgb(g_backBuffer, p.x, p.y); };
    EXPECT_EQ(back(pot_point(h, 2)), 0xFF0000u);
    EXPECT_EQ(back(pot_point(h, 4)), 0x0000FFu);
    EXPECT_EQ(back(pot_point(h, 7)), 0xFF8000u);
    EXPECT_EQ(back(pot_point(h, 1)), 0x000000u);
    EXPECT_EQ(g_potColours[7].red, 65025);
    EXPECT_EQ(g_potColours[7].green, 32640);
    EXPECT_EQ(g_potColours[7].blue, 0);
    // Orange paint spilt beside pot 7, at 80 %.
    EXPECT_EQ(back(Point{597, h - 63}), 0xCC6600u);
    // The current colour, red, in the swatch.
    EXPECT_EQ(back(Point{439 + kPointSwatchFill.x, h - 40 + kPointSwatchFill.y}), 0xFF0000u);

    scene_set_pot(7, 0, 0, 65025, false);
    EXPECT_EQ(back(pot_point(h, 7)), 0x0000FFu);
    EXPECT_EQ(back(Point{597, h - 63}), 0x0000CCu);
    EXPECT_EQ(g_potColours[7].blue, 65025);
    scene_show_colour(0, 65025, 0, true);
    EXPECT_EQ(back(Point{460, h - 32}), 0x00FF00u);
    EXPECT_EQ(window_pixel(460, h - 32), 0x00FF00u);
    EXPECT_EQ(g_currentColour.green, 65025);

    // A full composition keeps the changed pot.
    scene_compose(false, true, true);
    EXPECT_EQ(back(pot_point(h, 7)), 0x0000FFu);
    EXPECT_TRUE(shown_boxes().empty());
}

TEST_F(ComposeTest, ShowRectangleBringsOnlyThatRectangleToTheScreen) {
    start_scene(640, 480);
    set_pixel_rgb(g_pictureBitmap, 10, 10, 0x123456);
    set_pixel_rgb(g_pictureBitmap, 100, 100, 0x654321);
    scene_show_rect(Rect{150, 20, 170, 40});
    EXPECT_EQ(headless::last_present().left, 150);
    EXPECT_EQ(headless::last_present().bottom, 40);
    EXPECT_EQ(window_pixel(157, 26), 0x123456u);
    EXPECT_EQ(window_pixel(247, 116), kWhite) << "outside the rectangle the screen waits";
    scene_repaint_all();
    EXPECT_EQ(window_pixel(247, 116), 0x654321u);
}

TEST_F(ComposeTest, ZoomShowsAQuarterTwiceAsLargeAndMapsPoints) {
    start_scene(640, 480);
    const int32_t pw = 474, ph = 368;
    g_zoomed = 1;
    g_zoomOriginX = 10;
    g_zoomOriginY = 20;
    EXPECT_EQ(scene_window_to_picture(147, 16).x, 10);
    EXPECT_EQ(scene_window_to_picture(147, 16).y, 20);
    EXPECT_EQ(scene_window_to_picture(150, 19).x, 11);
    EXPECT_EQ(scene_window_to_picture(150, 19).y, 21);
    EXPECT_EQ(scene_picture_to_window(11, 21).x, 149);

    set_pixel_rgb(g_pictureBitmap, 11, 21, 0xFF00FF);
    scene_compose_picture();
    EXPECT_EQ(window_pixel(149, 18), 0xFF00FFu);
    EXPECT_EQ(window_pixel(150, 19), 0xFF00FFu);
    EXPECT_EQ(window_pixel(151, 19), kWhite);

    Point corner = scene_zoom_origin_for(147, 16);
    EXPECT_EQ(corner.x, 0);
    EXPECT_EQ(corner.y, 0);
    corner = scene_zoom_origin_for(640 - 20, 480 - 97);
    EXPECT_EQ(corner.x, pw - pw / 2);
    EXPECT_EQ(corner.y, ph - ph / 2);

    g_zoomed = 0;
    EXPECT_EQ(scene_window_to_picture(157, 26).x, 10);
}

// The window pixels that show a rectangle of the picture are where the picture area really
// shows it, plain and zoomed, also where the 2x view does not divide evenly (an odd width).
TEST_F(ComposeTest, APictureRectangleMapsToThePixelsThatShowIt) {
    struct Size {
        int32_t w, h;
    };
    const Rect rects[] = {{5, 7, 6, 8},        {100, 50, 101, 51},   {10, 20, 40, 33},
                          {0, 0, 6, 9},        {236, 180, 250, 200}, {241, 189, 242, 190},
                          {300, 300, 400, 350}};
    for (Size size : {Size{640, 480}, Size{641, 483}}) {
        for (int32_t zoomed : {0, 1}) {
            start_scene(size.w, size.h);
            g_zoomed = zoomed;
            g_zoomOriginX = 5;
            g_zoomOriginY = 7;
            const Rect all{0, 0, scene_picture_width(), scene_picture_height()};
            for (const Rect& r : rects) {
                SCOPED_TRACE(std::to_string(size.w) + " zoomed " + std::to_string(zoomed) + " at " +
                             std::to_string(r.left) + ", " + std::to_string(r.top));
                fill_bitmap(g_pictureBitmap, all, kWhite);
                fill_bitmap(g_pictureBitmap, r, 0xFF0000);
                scene_draw_picture();
                Rect red{};
                bool any = false;
                const Rect& area = g_layout.picture;
                for (int32_t y = area.top; y < area.bottom; ++y) {
                    for (int32_t x = area.left; x < area.right; ++x) {
                        if (pixel_rgb(g_backBuffer, x, y) != 0xFF0000u) continue;
                        red = any ? Rect{std::min(red.left, x), std::min(red.top, y),
                                         std::max(red.right, x + 1), std::max(red.bottom, y + 1)}
                                  : Rect{x, y, x + 1, y + 1};
                        any = true;
                    }
                }
                const Rect mapped = scene_picture_rect_to_window(r);
                EXPECT_EQ(mapped.left, red.left);
                EXPECT_EQ(mapped.top, red.top);
                EXPECT_EQ(mapped.right, red.right);
                EXPECT_EQ(mapped.bottom, red.bottom);
            }
            scene_release();
        }
    }
    g_zoomed = 0;
    EXPECT_EQ(scene_picture_rect_to_window(Rect{3, 3, 3, 9}).right, 0) << "empty stays empty";
}

TEST_F(ComposeTest, UndoBringsBackThePictureBeforeTheStroke) {
    start_scene(640, 480);
    scene_save_undo();
    EXPECT_EQ(g_undoAvailable, 1);
    set_pixel_rgb(g_pictureBitmap, 3, 4, 0x00FF00);
    scene_undo();
    EXPECT_EQ(g_undoAvailable, 0);
    EXPECT_EQ(pixel_rgb(g_pictureBitmap, 3, 4), kWhite);
}

// Fills the picture with a two-colour pattern that a clearing must remove.
void paint_something() {
    fill_bitmap(g_pictureBitmap, Rect{0, 0, 237, 368}, 0xFF0000);
    fill_bitmap(g_pictureBitmap, Rect{237, 0, 474, 368}, 0x0000FF);
}

bool picture_is_white() {
    for (int32_t y = 0; y < scene_picture_height(); ++y) {
        for (int32_t x = 0; x < scene_picture_width(); ++x) {
            if (pixel_rgb(g_pictureBitmap, x, y) != kWhite) return false;
        }
    }
    return true;
}

TEST_F(ComposeTest, EachClearingAnimationEndsWhiteAndCanBeUndone) {
    start_scene(640, 480);
    std::strcpy(g_pictureFileName, "Castle.bmp");
    // The four animations come in turn, each with its own sound.
    const int16_t expectedSounds[4] = {kSoundClearWipe, kSoundClearDrips, kSoundClearShrink,
                                       kSoundClearSlide};
    for (int32_t turn = 0; turn < 4; ++turn) {
        paint_something();
        headless::finish_sound();
        size_t soundsBefore = headless::sounds().size();
        scene_clear_picture();
        EXPECT_TRUE(picture_is_white()) << "turn " << turn;
        EXPECT_EQ(window_pixel(200, 100), kWhite);
        ASSERT_EQ(headless::sounds().size(), soundsBefore + 1);
        EXPECT_EQ(headless::sounds().back().wave,
                  find_resource(ResourceKind::Sound, expectedSounds[turn]).data);
        EXPECT_STREQ(g_pictureFileName, "Tintamar.bmp");
        EXPECT_EQ(g_undoAvailable, 1);
        scene_undo();
        EXPECT_EQ(pixel_rgb(g_pictureBitmap, 10, 10), 0xFF0000u) << "turn " << turn;
        EXPECT_EQ(pixel_rgb(g_pictureBitmap, 400, 300), 0x0000FFu);
    }
    EXPECT_TRUE(shown_boxes().empty());
}

TEST_F(ComposeTest, ClearingWithoutAnimationLeavesUndoAsItWas) {
    start_scene(640, 480);
    g_prefs.animatedClearing = 0;
    scene_save_undo();  // before the last stroke: white
    paint_something();
    scene_clear_picture();
    EXPECT_TRUE(picture_is_white());
    scene_undo();
    EXPECT_TRUE(picture_is_white()) << "the undo copy was not refreshed by the clearing";
}

TEST_F(ComposeTest, DisplayChangeKeepsThePictureScaled) {
    start_scene(800, 600);
    // Left half red, right half blue; one green row near the bottom.
    fill_bitmap(g_pictureBitmap, Rect{0, 0, 317, 488}, 0xFF0000);
    fill_bitmap(g_pictureBitmap, Rect{317, 0, 634, 488}, 0x0000FF);
    fill_bitmap(g_pictureBitmap, Rect{0, 480, 634, 488}, 0x00FF00);
    scene_rebuild(640, 480);
    ASSERT_EQ(tb_GetBitmapWidth(g_pictureBitmap), 474);
    ASSERT_EQ(tb_GetBitmapHeight(g_pictureBitmap), 368);
    EXPECT_EQ(pixel_rgb(g_pictureBitmap, 0, 0), 0xFF0000u);
    EXPECT_EQ(pixel_rgb(g_pictureBitmap, 235, 100), 0xFF0000u);
    EXPECT_EQ(pixel_rgb(g_pictureBitmap, 238, 100), 0x0000FFu);
    EXPECT_EQ(pixel_rgb(g_pictureBitmap, 473, 0), 0x0000FFu);
    EXPECT_EQ(pixel_rgb(g_pictureBitmap, 100, 367), 0x00FF00u);
    EXPECT_EQ(window_pixel(147 + 473, 16), 0x0000FFu) << "shown at once";
    EXPECT_EQ(g_undoAvailable, 1);
    set_pixel_rgb(g_pictureBitmap, 0, 0, 0x000000);
    scene_undo();
    EXPECT_EQ(pixel_rgb(g_pictureBitmap, 0, 0), 0xFF0000u) << "undo gives the scaled picture";
    EXPECT_EQ(pixel_rgb(g_pictureBitmap, 473, 0), 0x0000FFu);
    EXPECT_TRUE(shown_boxes().empty());
}

// Marks which of [from, to) the pieces of one strip cover along their length.
std::vector<bool> covered(const std::vector<FramePiece>& pieces, int32_t id1, int32_t id2,
                          bool vertical, int32_t from, int32_t to) {
    std::vector<bool> hit(static_cast<size_t>(to - from), false);
    for (const FramePiece& p : pieces) {
        if (p.bitmapId != id1 && p.bitmapId != id2) continue;
        int32_t a = vertical ? p.rect.top : p.rect.left;
        int32_t b = vertical ? p.rect.bottom : p.rect.right;
        for (int32_t i = std::max(a, from); i < std::min(b, to); ++i)
            hit[static_cast<size_t>(i - from)] = true;
    }
    return hit;
}

int32_t first_gap(const std::vector<bool>& hit, int32_t from) {
    for (size_t i = 0; i < hit.size(); ++i) {
        if (!hit[i]) return from + static_cast<int32_t>(i);
    }
    return -1;
}

TEST(FrameStrips, CoverThePictureAreaAtAnySize) {
    struct Size {
        int32_t w, h;
    };
    for (Size s : {Size{640, 480}, Size{800, 600}, Size{1024, 768}, Size{1280, 1024},
                   Size{1920, 1080}, Size{2560, 1440}, Size{3840, 2160}, Size{1080, 1920}}) {
        auto pieces = scene_frame_pieces(s.w, s.h);
        // The left strip and its pieces beside the picture down to the table; the bottom strip
        // and its pieces to the right edge; the top and right pieces (with the corners) along
        // the whole picture area.
        EXPECT_EQ(
            first_gap(covered(pieces, kBitmapFrameLeft, kBitmapFrameLeftPiece, true, 16, s.h - 80),
                      16),
            -1)
            << s.w << "x" << s.h;
        EXPECT_EQ(
            first_gap(covered(pieces, kBitmapFrameBottom, kBitmapFrameBottomPiece, false, 130, s.w),
                      130),
            -1)
            << s.w << "x" << s.h;
        EXPECT_EQ(
            first_gap(covered(pieces, kBitmapFrameTop, kBitmapFrameCornerTopRight, false, 130, s.w),
                      130),
            -1)
            << s.w << "x" << s.h;
        EXPECT_EQ(first_gap(covered(pieces, kBitmapFrameRight, kBitmapFrameCornerBottomRight, true,
                                    0, s.h - 80),
                            0),
                  -1)
            << s.w << "x" << s.h;
    }
}

TEST(FrameStrips, KeepTheDesignedPlacementWhereItCovers) {
    // At 1280 x 1024 the bottom pieces lie at W - 492 twice and then 492 further left.
    auto pieces = scene_frame_pieces(1280, 1024);
    std::vector<int32_t> bottom;
    std::vector<int32_t> right;
    for (const FramePiece& p : pieces) {
        if (p.bitmapId == kBitmapFrameBottomPiece) bottom.push_back(p.rect.left);
        if (p.bitmapId == kBitmapFrameRight) right.push_back(p.rect.top);
    }
    EXPECT_EQ(bottom, (std::vector<int32_t>{788, 788, 296}));
    EXPECT_EQ(right, (std::vector<int32_t>{539, 539, 150, 0}));
    // At 1920 x 1080 the designed spacing would stop at 936 and leave 639..936 bare; one more
    // piece abuts instead.
    bottom.clear();
    for (const FramePiece& p : scene_frame_pieces(1920, 1080)) {
        if (p.bitmapId == kBitmapFrameBottomPiece) bottom.push_back(p.rect.left);
    }
    EXPECT_EQ(bottom, (std::vector<int32_t>{1428, 1428, 936, 444}));
}

TEST_F(ComposeTest, LargeScreensShowAWholeFrame) {
    start_scene(1920, 1080);
    // The bottom strip's outer edge (its bottom row) along the stretch that was once bare.
    const uint32_t edge = pixel_rgb(g_backBuffer, 1800, 1080 - 96 + 14);
    for (int32_t x = 640; x < 940; x += 20)
        EXPECT_EQ(pixel_rgb(g_backBuffer, x, 1080 - 96 + 14), edge) << x;
    EXPECT_EQ(pixel_rgb(g_backBuffer, 147 + 800, 16 + 500), kWhite);
    EXPECT_TRUE(shown_boxes().empty());
}

}  // namespace
