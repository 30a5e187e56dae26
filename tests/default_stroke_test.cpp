// The default operations and the Pencil's freehand stroke, on a tiny white picture; the size
// choosers' bars and their widened hit areas.
#include <gtest/gtest.h>

#include "resources/resource_ids.h"
#include "test_support.h"
#include "toolbox/platform_headless.h"
#include "tools/tool_ops.h"

namespace {

constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kBlue = 0x0000FF;

class DefaultStrokeTest : public ::testing::Test {
   protected:
    void SetUp() override {
        fresh_toolbox();
        back = make_bitmap(20, 20);
        picture = make_bitmap(12, 12);
        Rect all{0, 0, 12, 12};
        tb_SetForeColor(picture, 65025, 65025, 65025);
        tb_PaintRect(picture, &all);
        tool_init(&pencil, back, picture);
        pencil.soundId = kSoundPencil;
        pencil.cursorId = kCursorPencil;
        pencil.setColour(&pencil, 0, 0, 65025);
    }

    // The set pixels of the picture, as "x,y" strings in row order.
    std::vector<std::string> painted() const {
        std::vector<std::string> out;
        for (int32_t y = 0; y < 12; ++y) {
            for (int32_t x = 0; x < 12; ++x) {
                if (pixel_rgb(picture, x, y) != kWhite)
                    out.push_back(std::to_string(x) + "," + std::to_string(y));
            }
        }
        return out;
    }

    BitmapRef back = -1;
    BitmapRef picture = -1;
    SceneObject pencil;
};

using Pixels = std::vector<std::string>;

TEST_F(DefaultStrokeTest, ConstructorFillsStartValuesAndDefaults) {
    SceneObject o;
    o.size = 77;
    o.mode = 3;
    tool_init(&o, 4, 5);
    EXPECT_EQ(o.size, 4);
    EXPECT_EQ(o.mode, 0);
    EXPECT_EQ(o.imageId, -1);
    EXPECT_EQ(o.maskId, -1);
    EXPECT_EQ(o.hotRegion, -1);
    EXPECT_EQ(o.auxHandle, -1);
    EXPECT_EQ(o.flag, 1);
    EXPECT_EQ(o.sceneBitmap, 4);
    EXPECT_EQ(o.pictureBitmap, 5);
    EXPECT_EQ(o.clickOptions, tool_default_click_options);
    o.hotRect = Rect{2, 2, 5, 5};
    EXPECT_EQ(o.hitTest(&o, 4, 4), 1);
    EXPECT_EQ(o.hitTest(&o, 5, 4), 0) << "right edge excluded";
}

TEST_F(DefaultStrokeTest, SizeOneLeavesEachSegmentEndForTheNext) {
    pencil.size = 1;
    pencil.press(&pencil, 0, 0);
    EXPECT_EQ(painted(), Pixels({"0,0"}));
    pencil.drag(&pencil, 3, 0);
    EXPECT_EQ(painted(), Pixels({"0,0", "1,0", "2,0"}));
    pencil.drag(&pencil, 3, 2);
    EXPECT_EQ(painted(), Pixels({"0,0", "1,0", "2,0", "3,0", "3,1"}));
    pencil.release(&pencil, 3, 2);
    EXPECT_EQ(painted().size(), 5u) << "nothing is drawn at the release point";
    EXPECT_EQ(pixel_rgb(picture, 1, 0), kBlue);
}

TEST_F(DefaultStrokeTest, SizeOnePressAndReleaseLeaveOnePixel) {
    pencil.size = 1;
    pencil.press(&pencil, 5, 6);
    pencil.release(&pencil, 5, 6);
    EXPECT_EQ(painted(), Pixels({"5,6"}));
}

TEST_F(DefaultStrokeTest, SizeFourPressLeavesARoundDotFourAcross) {
    pencil.press(&pencil, 6, 6);
    int32_t left = 12, right = -1, top = 12, bottom = -1;
    for (int32_t y = 0; y < 12; ++y) {
        for (int32_t x = 0; x < 12; ++x) {
            if (pixel_rgb(picture, x, y) == kWhite) continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    EXPECT_EQ(right - left + 1, 4);
    EXPECT_EQ(bottom - top + 1, 4);
    EXPECT_EQ(pixel_rgb(picture, left, top), kWhite) << "round, not square";
}

TEST_F(DefaultStrokeTest, StrokeStateSoundAndCursor) {
    pencil.size = 1;
    pencil.drag(&pencil, 4, 4);
    EXPECT_TRUE(painted().empty()) << "a move without a press draws nothing";

    pencil.press(&pencil, 1, 1);
    EXPECT_EQ(pencil.active, 1);
    EXPECT_TRUE(headless::playing());
    EXPECT_TRUE(headless::sounds().back().loop);
    EXPECT_EQ(headless::cursor_id(), kCursorPencil);
    pencil.drag(&pencil, 4, 1);
    EXPECT_EQ(pencil.curX, 4);
    EXPECT_EQ(pencil.lastX, 4);
    pencil.release(&pencil, 5, 2);
    EXPECT_EQ(pencil.active, 0);
    EXPECT_EQ(pencil.curX, 5);
    EXPECT_EQ(pencil.lastY, 2);
    EXPECT_FALSE(headless::playing());

    const Pixels before = painted();
    pencil.drag(&pencil, 9, 9);
    pencil.release(&pencil, 9, 9);
    EXPECT_EQ(painted(), before) << "drag and release after the release change nothing";
    EXPECT_EQ(pencil.lastX, 5);
}

TEST_F(DefaultStrokeTest, DrawObjectCutsOutOrSkipsWithoutAMask) {
    Rect all{0, 0, 20, 20};
    tb_SetForeColor(back, 0, 65025, 0);
    tb_PaintRect(back, &all);
    pencil.hotRect = Rect{0, 0, 20, 20};
    pencil.imageId = kBitmapPencil;
    pencil.maskId = -1;
    pencil.drawObject(&pencil);
    for (int32_t y = 0; y < 20; ++y) {
        for (int32_t x = 0; x < 20; ++x) ASSERT_EQ(pixel_rgb(back, x, y), 0x00FF00u);
    }
    EXPECT_TRUE(shown_boxes().empty());
}

// Size choosers: panel at (7, 337), as at 640 x 480.
class SizeChooserTest : public ::testing::Test {
   protected:
    void SetUp() override {
        fresh_toolbox();
        back = make_bitmap(120, 440);
        tool_init(&tool, back, -1);
    }
    void click(void (*op)(SceneObject*, int32_t, int32_t, const Rect*), int32_t px, int32_t py) {
        op(&tool, panel.left + px, panel.top + py, &panel);
    }
    BitmapRef back = -1;
    Rect panel{7, 337, 101, 419};
    SceneObject tool;
};

TEST_F(SizeChooserTest, ThinBarsTakeClicksTwoPixelsWider) {
    tool.size = 16;
    click(pencil_sizes_click, 5, 40);
    EXPECT_EQ(tool.size, 1) << "x = 5 is outside the drawn bar but inside its hit bar";
    click(pencil_sizes_click, 10, 40);
    EXPECT_EQ(tool.size, 4);
    click(pencil_sizes_click, 18, 40);
    click(pencil_sizes_click, 19, 40);
    EXPECT_EQ(tool.size, 4) << "between the second and third bars";
    click(pencil_sizes_click, 30, 40);
    EXPECT_EQ(tool.size, 4) << "the third bar is not widened";
    click(pencil_sizes_click, 85, 72);
    EXPECT_EQ(tool.size, 32);
    click(pencil_sizes_click, 85, 73);
    EXPECT_EQ(tool.size, 32) << "below the bars";
    click(brush_sizes_click, 4, 9);
    EXPECT_EQ(tool.size, 16);
    click(brush_sizes_click, 50, 9);
    EXPECT_EQ(tool.size, 32);
}

TEST_F(SizeChooserTest, WideBarsChooseTheirSizes) {
    click(texture_sizes_click, 30, 20);
    EXPECT_EQ(tool.size, 32);
    click(texture_sizes_click, 5, 20);
    EXPECT_EQ(tool.size, 32) << "wide bars are not widened";
    click(texture_sizes_click, 88, 20);
    EXPECT_EQ(tool.size, 48);
    click(effect_sizes_click, 6, 9);
    EXPECT_EQ(tool.size, 16);
    click(effect_sizes_click, 49, 72);
    EXPECT_EQ(tool.size, 28);
}

TEST_F(SizeChooserTest, PanelShowsTheCurrentSizeGreen) {
    tool.size = 8;
    pencil_sizes_draw(&tool, &panel);
    auto at = [&](int32_t px, int32_t py) {
        return pixel_rgb(back, panel.left + px, panel.top + py);
    };
    EXPECT_EQ(at(0, 0), 0xFFFFFFu);
    EXPECT_EQ(at(93, 81), 0xFFFFFFu);
    EXPECT_EQ(at(6, 9), 0x000000u);
    EXPECT_EQ(at(5, 9), 0xFFFFFFu) << "the drawing keeps the narrow bar";
    EXPECT_EQ(at(20, 9), 0x00FF00u);
    EXPECT_EQ(at(26, 72), 0x00FF00u);
    EXPECT_EQ(at(27, 72), 0xFFFFFFu);
    EXPECT_EQ(at(64, 40), 0x000000u);
    EXPECT_EQ(pixel_rgb(back, panel.left + 94, panel.top), 0x000000u) << "only the panel";

    tool.size = 48;
    texture_sizes_draw(&tool, &panel);
    EXPECT_EQ(at(57, 9), 0x00FF00u);
    EXPECT_EQ(at(6, 9), 0x000000u);
}

}  // namespace
