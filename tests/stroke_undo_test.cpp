// Strokes with every tool at every size its panel offers, plain and zoomed, through the pointer
// input dispatch on a 640 x 480 room: while the stroke goes on, the undo bitmap shows the
// picture as it was before the press; undo brings that picture back; after every press,
// release and undo the screen shows what a full repaint would (only what changed is sent); and
// neither the stroke nor its undo leaves a bitmap or a region behind or shows a message.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "scene/input_dispatch.h"
#include "scene/scene.h"
#include "scene/scene_draw.h"
#include "scene/scene_table.h"
#include "scene/tool_traits.h"
#include "shell/preferences.h"
#include "test_support.h"
#include "toolbox/internal.h"
#include "toolbox/platform_headless.h"

namespace {

constexpr Point kUndoButton{136, 380};
// Beside the picture, on the frame: a release there only puts down what a tool carries.
constexpr Point kOffPicture{140, 8};
// A stroke in window points: press, two moves, release.
constexpr Point kStroke[] = {{250, 120}, {290, 130}, {330, 170}};

// A copy of r of any target in a bitmap of its own; the caller disposes it.
BitmapRef grab(TargetRef from, const Rect& r) {
    BitmapRef b = make_bitmap(r.right - r.left, r.bottom - r.top);
    Rect to{0, 0, r.right - r.left, r.bottom - r.top};
    tb_CopyBitmap(from, b, &r, &to, 0);
    return b;
}

bool same_pixels(BitmapRef a, BitmapRef b) {
    const DibImage* x = tb_GetBitmapImage(a);
    const DibImage* y = tb_GetBitmapImage(b);
    const size_t bytes = static_cast<size_t>(tb_GetBitmapStorageWidth(a)) *
                         static_cast<size_t>(tb_GetBitmapHeight(a));
    return tb_GetBitmapWidth(a) == tb_GetBitmapWidth(b) &&
           tb_GetBitmapHeight(a) == tb_GetBitmapHeight(b) &&
           std::memcmp(x->pixels, y->pixels, bytes) == 0;
}

// Whether the two targets show the same pixels in r.
bool same_in(TargetRef a, TargetRef b, const Rect& r) {
    BitmapRef x = grab(a, r);
    BitmapRef y = grab(b, r);
    const bool same = same_pixels(x, y);
    tb_DisposeBitmap(x);
    tb_DisposeBitmap(y);
    return same;
}

// The picture area as a full composition shows it: the picture, or its zoomed quarter
// stretched twice as large.
BitmapRef composed_picture_area() {
    const Rect& area = g_layout.picture;
    const int32_t pw = scene_picture_width();
    const int32_t ph = scene_picture_height();
    BitmapRef b = make_bitmap(area.right - area.left, area.bottom - area.top);
    Rect from{0, 0, pw, ph};
    if (g_zoomed != 0)
        from = Rect{g_zoomOriginX, g_zoomOriginY, g_zoomOriginX + pw / 2, g_zoomOriginY + ph / 2};
    Rect to{0, 0, area.right - area.left, area.bottom - area.top};
    tb_CopyBitmap(g_pictureBitmap, b, &from, &to, 0);
    return b;
}

// The window and the back buffer both show the composed picture in the picture area.
bool screen_shows_picture() {
    BitmapRef composed = composed_picture_area();
    BitmapRef window = grab(tb_GetMainWindow(), g_layout.picture);
    BitmapRef back = grab(g_backBuffer, g_layout.picture);
    const bool same = same_pixels(composed, window) && same_pixels(composed, back);
    tb_DisposeBitmap(composed);
    tb_DisposeBitmap(window);
    tb_DisposeBitmap(back);
    return same;
}

// Every size the entry's options panel can set, found by clicking across it; the entry keeps
// its size and mode.
std::set<int32_t> panel_sizes(int32_t entry) {
    SceneObject& o = g_sceneObjects[entry];
    const int32_t size = o.size;
    const int32_t mode = o.mode;
    std::set<int32_t> sizes{size};
    const Rect& panel = g_layout.optionsPanel;
    for (int32_t x = panel.left; x < panel.right; ++x) {
        o.clickOptions(&o, x, (panel.top + panel.bottom) / 2, &panel);
        sizes.insert(o.size);
    }
    o.size = size;
    o.mode = mode;
    return sizes;
}

// Whether the entry carries something around with the pointer (its cut-out or its stamp).
bool carrying(int32_t entry) { return tool_is_carrying(g_sceneObjects[entry], tool_traits(entry)); }

// Which slots of the bitmap and region tables are in use. The images that float with the
// pointer (a cut-out, a stamp) belong to the scene and outlive the stroke that made them.
struct TableUse {
    std::vector<bool> bitmaps;
    std::vector<bool> regions;

    static TableUse now() {
        TableUse use;
        for (BitmapRef b = 0; b < TB_MAX_BITMAPS; ++b) {
            const bool floating = b == g_floatingImage || b == g_floatingMask ||
                                  b == g_stampImage || b == g_stampMask;
            use.bitmaps.push_back(!floating && tb::g_bitmaps[b].free == 0);
        }
        for (const tb::RegionSlot& r : tb::g_regions) use.regions.push_back(r.free == 0);
        return use;
    }
    bool operator==(const TableUse&) const = default;
};

// Stripes of four colours across the picture, so that every tool changes something.
void paint_stripes() {
    const int32_t pw = scene_picture_width();
    const int32_t ph = scene_picture_height();
    const uint32_t colours[4][3] = {
        {65025, 65025, 65025}, {65025, 65025, 0}, {0, 32640, 0}, {32640, 0, 65025}};
    for (int32_t i = 0; i < 12; ++i) {
        const uint32_t* c = colours[i % 4];
        tb_SetForeColor(g_pictureBitmap, c[0], c[1], c[2]);
        Rect stripe{i * pw / 12, 0, (i + 1) * pw / 12, ph};
        tb_PaintRect(g_pictureBitmap, &stripe);
    }
}

class StrokeUndo : public ::testing::Test {
   protected:
    void SetUp() override {
        fresh_toolbox();
        Rect screen{0, 0, 640, 480};
        tb_OpenWindow(&screen, "Tintamar");
        tb_SetPointerMode(2);
        preferences_set_defaults();
        g_zoomed = 0;
        g_textPlacement = 0;
        g_zoomPick = 0;
        g_buttonHeldByEvents = 0;
        g_undoAvailable = 0;
        scene_startup(640, 480);
    }
    void TearDown() override { scene_release(); }
};

TEST_F(StrokeUndo, EveryToolAtEverySizePlainAndZoomed) {
    for (int32_t entry = 0; entry < kSceneObjectCount; ++entry) {
        for (int32_t size : panel_sizes(entry)) {
            for (int32_t zoomed : {0, 1}) {
                SCOPED_TRACE("entry " + std::to_string(entry) + ", size " + std::to_string(size) +
                             (zoomed != 0 ? ", zoomed" : ""));
                g_currentShelf = g_sceneObjects[entry].shelf;
                g_currentObject = entry;
                scene_compose_panels();
                SceneObject& o = g_sceneObjects[entry];
                o.size = size;
                o.active = 0;
                scene_show_colour(0, 0, 65025, false);
                g_zoomed = zoomed;
                g_zoomOriginX = 40;
                g_zoomOriginY = 30;
                paint_stripes();
                scene_repaint_all();
                const std::vector<uint32_t> before = pixels_through_copy(g_pictureBitmap);
                const TableUse tablesBefore = TableUse::now();

                headless::set_button(true);
                input_button_down(kStroke[0].x, kStroke[0].y);
                EXPECT_EQ(pixels_through_copy(g_undoBitmap), before) << "undo during the press";
                EXPECT_TRUE(screen_shows_picture()) << "after the press";
                for (size_t i = 1; i < std::size(kStroke); ++i) {
                    input_pointer_move(kStroke[i].x, kStroke[i].y);
                    EXPECT_EQ(pixels_through_copy(g_undoBitmap), before) << "during the drags";
                }
                headless::set_button(false);
                const Point last = kStroke[std::size(kStroke) - 1];
                input_button_up(last.x, last.y);
                EXPECT_TRUE(screen_shows_picture()) << "after the release";
                // A cut-out or a stamp still carried is put down off the picture first: a
                // release there does only that.
                if (carrying(entry)) input_button_up(kOffPicture.x, kOffPicture.y);
                EXPECT_FALSE(carrying(entry));
                EXPECT_TRUE(TableUse::now() == tablesBefore) << "the stroke left something";

                input_pointer_move(kUndoButton.x, kUndoButton.y);
                input_button_down(kUndoButton.x, kUndoButton.y);
                input_button_up(kUndoButton.x, kUndoButton.y);
                EXPECT_EQ(g_undoAvailable, 0);
                EXPECT_EQ(pixels_through_copy(g_pictureBitmap), before) << "undone";
                EXPECT_TRUE(screen_shows_picture()) << "after undo";
                Rect all{0, 0, 640, 480};
                EXPECT_TRUE(same_in(tb_GetMainWindow(), g_backBuffer, all))
                    << "the window after undo is the back buffer, as after a full repaint";
                EXPECT_TRUE(TableUse::now() == tablesBefore) << "undo left something";
                EXPECT_TRUE(shown_boxes().empty());
                input_pointer_move(kStroke[0].x, kStroke[0].y);  // the button goes out
            }
        }
    }
    EXPECT_TRUE(shown_boxes().empty());
}

}  // namespace
