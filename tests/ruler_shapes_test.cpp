// Ruler and Shape template: the rubber band on the window, its wiping, zoom, the commit into the
// picture and the shape chooser.
#include "tools/ruler_shapes.h"

#include <gtest/gtest.h>

#include "scene/scene_draw.h"
#include "test_support.h"

namespace {

constexpr int32_t kFull = 65025;
constexpr TbColor kGrey = tb_MakeColor(128, 128, 128);
constexpr TbColor kBlue = tb_MakeColor(0, 0, 255);
constexpr uint32_t kWhite = 0xFFFFFF;

// Picture area origin at 640 x 480.
constexpr int32_t kLeft = 147;
constexpr int32_t kTop = 16;

class RulerShapesTest : public ::testing::Test {
   protected:
    void SetUp() override {
        fresh_toolbox();
        g_layout = scene_layout_for(640, 480);
        g_zoomed = 0;
        g_zoomOriginX = 0;
        g_zoomOriginY = 0;
        Rect screen{0, 0, 640, 480};
        window = tb_OpenWindow(&screen, "Tintamar");
        backBuffer = make_bitmap(640, 480);
        tb_SetForeColor(backBuffer, 32640, 32640, 32640);
        tb_PaintRect(backBuffer, &screen);
        tb_CopyBitmap(backBuffer, window, &screen, &screen, 0);
        picture = make_bitmap(474, 368);
        Rect whole{0, 0, 474, 368};
        tb_SetForeColor(picture, kFull, kFull, kFull);
        tb_PaintRect(picture, &whole);

        tool.sceneBitmap = backBuffer;
        tool.pictureBitmap = picture;
        tool.auxHandle = window;
        tool.blue = kFull;
    }
    void TearDown() override { g_zoomed = 0; }

    TbColor on_window(int32_t x, int32_t y) const { return target_colour(window, x, y); }

    int32_t window_pixels(TbColor c) const {
        int32_t n = 0;
        for (int32_t y = 0; y < 480; ++y) {
            for (int32_t x = 0; x < 640; ++x) n += on_window(x, y) == c ? 1 : 0;
        }
        return n;
    }

    int32_t picture_pixels_changed() const {
        int32_t n = 0;
        for (int32_t y = 0; y < 368; ++y) {
            for (int32_t x = 0; x < 474; ++x) n += pixel_rgb(picture, x, y) != kWhite ? 1 : 0;
        }
        return n;
    }

    // Blue pixels of a window column between two rows.
    int32_t blue_run(int32_t x, int32_t top, int32_t bottom) const {
        int32_t n = 0;
        for (int32_t y = top; y < bottom; ++y) n += on_window(x, y) == kBlue ? 1 : 0;
        return n;
    }

    WindowRef window = -1;
    BitmapRef backBuffer = -1;
    BitmapRef picture = -1;
    SceneObject tool;
};

TEST_F(RulerShapesTest, RulerPressAndReleaseOnOnePoint) {
    tool.size = 1;  // a zero-length 1-pixel line draws nothing
    ruler_press(&tool, kLeft + 50, kTop + 50);
    ruler_release(&tool, kLeft + 50, kTop + 50);
    EXPECT_EQ(picture_pixels_changed(), 0);
    EXPECT_EQ(tool.active, 0);

    tool.size = 4;  // a dot
    ruler_press(&tool, kLeft + 50, kTop + 50);
    ruler_release(&tool, kLeft + 50, kTop + 50);
    EXPECT_EQ(pixel_rgb(picture, 50, 50), 0x0000FFu);
    EXPECT_GT(picture_pixels_changed(), 4);
    EXPECT_LE(picture_pixels_changed(), 16);
}

TEST_F(RulerShapesTest, RulerBandIsOnTheWindowOnlyAndTheLineIsCommittedAtRelease) {
    tool.size = 4;
    ruler_press(&tool, kLeft + 10, kTop + 10);
    ruler_drag(&tool, kLeft + 110, kTop + 10);
    EXPECT_EQ(on_window(kLeft + 60, kTop + 10), kBlue);
    EXPECT_EQ(blue_run(kLeft + 60, kTop, kTop + 20), 4);
    EXPECT_EQ(picture_pixels_changed(), 0);

    // A flat band is wiped when the band moves on.
    ruler_drag(&tool, kLeft + 10, kTop + 110);
    EXPECT_EQ(on_window(kLeft + 60, kTop + 10), kGrey);
    EXPECT_EQ(on_window(kLeft + 10, kTop + 60), kBlue);

    ruler_release(&tool, kLeft + 10, kTop + 110);
    EXPECT_EQ(pixel_rgb(picture, 10, 60), 0x0000FFu);
    EXPECT_EQ(pixel_rgb(picture, 60, 10), kWhite);
    EXPECT_EQ(tool.curY, kTop + 110);

    // Moves after the release draw nothing.
    int32_t blue = window_pixels(kBlue);
    ruler_drag(&tool, kLeft + 200, kTop + 200);
    EXPECT_EQ(window_pixels(kBlue), blue);
}

TEST_F(RulerShapesTest, ZoomedTheBandIsTwiceAsWideAndTheReleaseMapsToThePicture) {
    g_zoomed = 1;
    g_zoomOriginX = 100;
    g_zoomOriginY = 40;
    tool.size = 4;
    ruler_press(&tool, kLeft + 10, kTop + 10);
    ruler_drag(&tool, kLeft + 110, kTop + 10);
    EXPECT_EQ(blue_run(kLeft + 60, kTop, kTop + 30), 8);

    ruler_release(&tool, kLeft + 10, kTop + 10);        // back to the press point: a dot
    EXPECT_EQ(pixel_rgb(picture, 105, 45), 0x0000FFu);  // zoom origin + (5, 5)
    EXPECT_EQ(pixel_rgb(picture, 10, 10), kWhite);
}

TEST_F(RulerShapesTest, ShapeDraggedBackOverASmallerRectangleWipesTheLargerBand) {
    tool.mode = SHAPE_RECT_OUTLINE;
    shape_press(&tool, 200, 100);
    shape_drag(&tool, 400, 300);
    EXPECT_EQ(on_window(399, 200), kBlue);  // right edge of the outline
    EXPECT_EQ(on_window(300, 299), kBlue);
    shape_drag(&tool, 250, 150);
    EXPECT_EQ(on_window(399, 200), kGrey);
    EXPECT_EQ(on_window(300, 299), kGrey);
    EXPECT_EQ(on_window(249, 120), kBlue);
    EXPECT_EQ(on_window(225, 125), kGrey);  // an outline: the inside stays
    shape_release(&tool, 250, 150);
    EXPECT_EQ(tool.active, 0);
}

TEST_F(RulerShapesTest, ShapeReleaseDrawsTheFigureOfItsModeIntoThePicture) {
    for (int32_t mode :
         {SHAPE_ELLIPSE_OUTLINE, SHAPE_ELLIPSE_FILLED, SHAPE_RECT_OUTLINE, SHAPE_RECT_FILLED}) {
        Rect whole{0, 0, 474, 368};
        tb_SetForeColor(picture, kFull, kFull, kFull);
        tb_PaintRect(picture, &whole);
        tool.mode = mode;
        // Dragged up and to the left: the rectangle is normalised.
        shape_press(&tool, kLeft + 40, kTop + 30);
        shape_drag(&tool, kLeft + 20, kTop + 10);
        shape_release(&tool, kLeft + 20, kTop + 10);
        bool filled = mode == SHAPE_ELLIPSE_FILLED || mode == SHAPE_RECT_FILLED;
        bool rect = mode == SHAPE_RECT_OUTLINE || mode == SHAPE_RECT_FILLED;
        EXPECT_EQ(pixel_rgb(picture, 30, 20), filled ? 0x0000FFu : kWhite) << mode;
        EXPECT_EQ(pixel_rgb(picture, 20, 10), rect ? 0x0000FFu : kWhite) << mode;
        EXPECT_EQ(pixel_rgb(picture, 20, 20), 0x0000FFu) << mode;  // left side
        EXPECT_EQ(pixel_rgb(picture, 40, 20), kWhite) << mode;     // right edge excluded
    }
}

TEST_F(RulerShapesTest, AFigureWithoutWidthDrawsNothing) {
    tool.mode = SHAPE_RECT_FILLED;
    shape_press(&tool, kLeft + 40, kTop + 30);
    shape_drag(&tool, kLeft + 40, kTop + 90);
    EXPECT_EQ(window_pixels(kBlue), 0);
    shape_release(&tool, kLeft + 40, kTop + 90);
    EXPECT_EQ(picture_pixels_changed(), 0);
}

TEST_F(RulerShapesTest, ShapeChooserShowsTheModeInGreenAndClicksPickAFigure) {
    const Rect panel{7, 337, 101, 419};
    tool.mode = SHAPE_RECT_FILLED;
    shape_chooser_draw(&tool, &panel);
    EXPECT_EQ(pixel_rgb(backBuffer, 7 + 1, 337 + 1), kWhite);
    EXPECT_EQ(pixel_rgb(backBuffer, 7 + 66, 337 + 60), 0x00FF00u);  // filled rectangle, current
    EXPECT_EQ(pixel_rgb(backBuffer, 7 + 66, 337 + 21), 0x000000u);  // filled ellipse
    EXPECT_EQ(pixel_rgb(backBuffer, 7 + 25, 337 + 60), kWhite);     // inside the outline
    EXPECT_EQ(pixel_rgb(backBuffer, 7 + 8, 337 + 60), 0x000000u);   // the outline's left side

    struct Click {
        int32_t x, y, mode;
    };
    // Upper figures take clicks 2 pixels wider on both sides; the lower ones do not.
    for (Click c : {Click{6, 20, SHAPE_ELLIPSE_OUTLINE}, Click{44, 20, SHAPE_ELLIPSE_OUTLINE},
                    Click{47, 5, SHAPE_ELLIPSE_FILLED}, Click{85, 38, SHAPE_ELLIPSE_FILLED},
                    Click{8, 42, SHAPE_RECT_OUTLINE}, Click{83, 77, SHAPE_RECT_FILLED}}) {
        tool.mode = -1;
        shape_chooser_click(&tool, panel.left + c.x, panel.top + c.y, &panel);
        EXPECT_EQ(tool.mode, c.mode) << c.x << "," << c.y;
    }
    for (Click c : {Click{7, 60, 0}, Click{46, 20, 0}, Click{45, 60, 0}, Click{60, 40, 0}}) {
        tool.mode = 2;
        shape_chooser_click(&tool, panel.left + c.x, panel.top + c.y, &panel);
        EXPECT_EQ(tool.mode, 2) << c.x << "," << c.y;
    }
}

}  // namespace
