// Every tool of the table, used for one stroke through the pointer input as a child would (press
// in the picture, a few moves with the button held, release), plain and zoomed: a stroke never
// leaves a bitmap or a region behind, and never shows a message.
#include <gtest/gtest.h>

#include <vector>

#include "scene/input_dispatch.h"
#include "scene_fixture.h"
#include "toolbox/internal.h"

namespace {

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
            use.bitmaps.push_back(!floating && tb_GetBitmapImage(b) != nullptr);
        }
        for (const tb::RegionSlot& r : tb::g_regions) use.regions.push_back(r.free == 0);
        return use;
    }
    bool operator==(const TableUse&) const = default;
};

using EveryToolStroke = SceneTest;

TEST_F(EveryToolStroke, LeavesTheBitmapAndRegionTablesAsTheyWere) {
    start_scene(640, 480);
    const Point stroke[] = {{300, 200}, {306, 204}, {330, 230}, {301, 199}, {420, 260}};
    for (int32_t zoomed : {0, 1}) {
        g_zoomed = zoomed;
        for (int32_t entry = 0; entry < kSceneObjectCount; ++entry) {
            g_currentObject = entry;
            g_currentShelf = g_sceneObjects[entry].shelf;
            const TableUse before = TableUse::now();

            headless::set_button(true);
            input_button_down(stroke[0].x, stroke[0].y);
            for (const Point& p : stroke) input_pointer_move(p.x, p.y);
            headless::set_button(false);
            input_button_up(stroke[4].x, stroke[4].y);

            EXPECT_TRUE(TableUse::now() == before)
                << "entry " << entry << (zoomed ? ", zoomed" : "");
            EXPECT_TRUE(shown_boxes().empty()) << "entry " << entry;
            shown_boxes().clear();
        }
    }
}

}  // namespace
