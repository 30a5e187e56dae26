// The table of scene objects: hit regions that follow the window's bottom edge, shelves that
// decide what can be hit, the fields and shared operations each entry gets.
#include "resources/resource_ids.h"
#include "scene_fixture.h"
#include "tools/tool_ops.h"

namespace {

using SceneTableTest = SceneTest;

Rect hot(int32_t entry) { return g_sceneObjects[entry].hotRect; }

bool same(const Rect& a, const Rect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST_F(SceneTableTest, PencilHitRectangleHangsFromTheBottomEdge) {
    start_scene(640, 480);
    EXPECT_TRUE(same(hot(0), Rect{363, 444, 428, 458}));
    scene_release();
    start_scene(800, 600);
    EXPECT_TRUE(same(hot(0), Rect{363, 564, 428, 578}));
    EXPECT_EQ(scene_object_at(395, 600 - 30), 0);
}

TEST_F(SceneTableTest, OnlyObjectsOfTheCurrentShelfAreHit) {
    start_scene(640, 480);
    // (400, H - 30) lies on the pencil, a texture brush, a stamp book, the screwdriver and the
    // chisel: each shelf answers with its own.
    const int32_t expected[5] = {0, 9, 17, 18, 24};
    for (int32_t shelf = 0; shelf < 5; ++shelf) {
        g_currentShelf = shelf;
        EXPECT_EQ(scene_object_at(400, 450), expected[shelf]) << "shelf " << shelf;
    }
    g_currentShelf = 1;
    EXPECT_EQ(scene_object_at(364, 452), 9);
    EXPECT_EQ(scene_object_at(300, 300), -1) << "the picture holds no objects";
}

TEST_F(SceneTableTest, HitRegionsArePolygonsNotBoxes) {
    start_scene(640, 480);
    // Inside the pencil's hotRect but right of its polygon's tip.
    EXPECT_EQ(tb_PtInRect(427, 457, &g_sceneObjects[0].hotRect), 1);
    EXPECT_EQ(scene_object_at(427, 457), -1);
    // The sunglasses' cut corner (top left of their box) is not theirs.
    g_currentShelf = 3;
    EXPECT_EQ(scene_object_at(275, 480 - 45), -1);
    EXPECT_EQ(scene_object_at(340, 480 - 30), 19);
}

TEST_F(SceneTableTest, EntriesGetTheirFieldsAndSharedOperations) {
    start_scene(640, 480);
    const WindowRef window = tb_GetMainWindow();
    for (int32_t i = 0; i < kSceneObjectCount; ++i) {
        const SceneObject& o = g_sceneObjects[i];
        bool onWindow = i == 4 || i == 5 || i == 8 || (i >= 15 && i <= 17);
        EXPECT_EQ(o.auxHandle, onWindow ? window : -1) << i;
        EXPECT_EQ(o.imageId2, o.imageId) << i;
        EXPECT_EQ(o.sceneBitmap, g_backBuffer) << i;
        EXPECT_EQ(o.pictureBitmap, g_pictureBitmap) << i;
        EXPECT_NE(o.hotRegion, -1) << i;
        EXPECT_EQ(o.active, 0) << i;
        EXPECT_EQ(o.flag, 1) << i;
    }
    const SceneObject& tint = g_sceneObjects[22];
    EXPECT_EQ(tint.red, 1);
    EXPECT_EQ(tint.green, 0);
    EXPECT_EQ(tint.blue, 0);
    EXPECT_EQ(g_sceneObjects[29].size, 90);
    EXPECT_EQ(g_sceneObjects[12].mode, kBitmapTexturePebbles);
    EXPECT_EQ(g_sceneObjects[5].soundId, kSoundShapeTemplate);
    EXPECT_EQ(scene_object_label(0), kBitmapLabelPencil);
    EXPECT_EQ(scene_object_label(9), kBitmapLabelTextureBrushes);

    // The Pencil keeps the default stroke; panels are shared by their groups.
    EXPECT_EQ(g_sceneObjects[0].press, tool_default_press);
    EXPECT_EQ(g_sceneObjects[0].drag, tool_default_drag);
    for (int32_t i : {0, 2, 4}) EXPECT_EQ(g_sceneObjects[i].clickOptions, pencil_sizes_click);
    for (int32_t i : {1, 3}) EXPECT_EQ(g_sceneObjects[i].clickOptions, brush_sizes_click);
    for (int32_t i = 9; i <= 14; ++i) EXPECT_EQ(g_sceneObjects[i].drawOptions, texture_sizes_draw);
    for (int32_t i : {18, 19, 20, 21, 23, 24}) {
        EXPECT_EQ(g_sceneObjects[i].drawOptions, effect_sizes_draw);
    }
    for (int32_t i : {6, 7, 8, 15, 16, 17}) {
        EXPECT_EQ(g_sceneObjects[i].drawOptions, tool_default_draw_options) << i;
    }
}

TEST_F(SceneTableTest, RebuildMovesRegionsAndResetsObjectsButKeepsTheSelection) {
    start_scene(800, 600);
    g_currentShelf = 0;
    g_currentObject = 2;
    g_sceneObjects[2].size = 32;
    g_sceneObjects[22].red = 0;
    scene_rebuild(640, 480);
    EXPECT_TRUE(same(hot(0), Rect{363, 444, 428, 458}));
    EXPECT_EQ(scene_object_at(395, 450), 0);
    EXPECT_EQ(scene_object_at(395, 570), -1);
    EXPECT_EQ(g_sceneObjects[2].size, 24);
    EXPECT_EQ(g_sceneObjects[22].red, 1);
    EXPECT_EQ(g_currentObject, 2);
    EXPECT_EQ(g_currentShelf, 0);
}

TEST_F(SceneTableTest, ReleaseFreesEveryRegion) {
    start_scene(640, 480);
    scene_release();
    // All 100 region slots are free again.
    int32_t square[] = {0, 0, 4, 0, 4, 4, 0, 4, TB_POLY_END, TB_POLY_END};
    std::vector<RegionRef> made;
    for (int32_t i = 0; i < TB_MAX_REGIONS; ++i) made.push_back(tb_CreateRegion(square));
    EXPECT_NE(made.back(), -1);
    EXPECT_TRUE(shown_boxes().empty());
    for (RegionRef r : made) tb_DisposeRegion(r);
    start_scene(640, 480);
}

}  // namespace
