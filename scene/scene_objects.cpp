// The table of the 30 tools: where each lies on the table, how it looks, its pointer image,
// sound and size, which shelf shows it, and the operations that paint with it.
#include <initializer_list>

#include "resources/resource_ids.h"
#include "scene/scene_draw.h"
#include "scene/scene_table.h"
#include "scene/tool_traits.h"
#include "tools/tool_ops.h"

namespace {

// Vertical coordinates are distances up from the bottom edge (y = H - value): the table lies
// along the bottom of the window, whatever its height.
struct HotPoint {
    int32_t x, up;
};

constexpr int32_t kMaxPolygon = 10;
constexpr int32_t kTintCrayon = 22;

struct EntryValues {
    int32_t shelf;
    int32_t left, top, right, bottom;  // hotRect: left, H - top, right, H - bottom
    int32_t pointCount;                // 0: the box of hotRect
    HotPoint polygon[kMaxPolygon];
    int32_t imageId;
    int32_t maskId;
    int32_t cursorId;
    int32_t soundId;
    int32_t size;
    int32_t mode;
    int32_t labelId;
};

// clang-format off
constexpr EntryValues kEntries[kSceneObjectCount] = {
    // Shelf 0: pencil, paintbrush, eraser, spray can, ruler, shape template, paint pot,
    // colour dropper, scissors.
    {0, 363, 36, 428, 22, 4, {{364, 30}, {425, 37}, {425, 28}, {364, 23}}, kBitmapPencil, kMaskPencil, kCursorPencil, kSoundPencil, 4, 0, kBitmapLabelPencil},
    {0, 326, 51, 414, 29, 4, {{326, 38}, {404, 52}, {417, 48}, {328, 28}}, kBitmapPaintbrush, kMaskPaintbrush, kCursorPaintbrush, kSoundPaintbrush, 24, 0, kBitmapLabelPaintbrush},
    {0, 308, 55, 344, 40, 4, {{308, 53}, {343, 56}, {342, 44}, {309, 40}}, kBitmapEraser, kMaskEraser, kCursorEraser, kSoundEraser, 24, 0, kBitmapLabelEraser},
    {0, 188, 80, 207, 26, 4, {{189, 79}, {205, 79}, {205, 28}, {189, 28}}, kBitmapSprayCan, kMaskSprayCan, kCursorSprayCan, 0, 24, 0, kBitmapLabelSprayCan},
    {0, 370, 64, 463, 49, 4, {{371, 65}, {462, 61}, {462, 51}, {370, 55}}, kBitmapRuler, kMaskRuler, kCursorRuler, kSoundRuler, 4, 0, kBitmapLabelRuler},
    {0, 222, 42, 259, 25, 10,
     {{221, 35}, {226, 40}, {235, 42}, {245, 41}, {247, 38}, {258, 38}, {257, 27}, {234, 27}, {234, 28}, {225, 30}},
     kBitmapShapeTemplate, kMaskShapeTemplate, kCursorShapeTemplate, kSoundShapeTemplate, 4, 0, kBitmapLabelShapeTemplate},
    {0, 277, 50, 299, 23, 4, {{277, 50}, {298, 50}, {298, 24}, {277, 24}}, kBitmapPaintPot, kMaskPaintPot, kCursorPaintPot, kSoundPaintPot, 4, 0, kBitmapLabelPaintPot},
    {0, 272, 69, 324, 52, 6, {{272, 68}, {295, 69}, {323, 61}, {323, 57}, {283, 54}, {272, 55}}, kBitmapDropper, kMaskDropper, kCursorDropper, kSoundColourPick, 4, 0, kBitmapLabelColourDropper},
    {0, 214, 61, 260, 42, 6, {{215, 60}, {256, 63}, {259, 51}, {232, 47}, {220, 42}, {215, 51}}, kBitmapScissors, kMaskScissors, kCursorScissors, kSoundScissors, 1, 0, kBitmapLabelScissors},
    // Shelf 1: the texture brushes; mode holds their texture bitmap.
    {1, 360, 54, 435, 24, 0, {}, kBitmapRollerPaper, kMaskRollerPaper, kCursorTextureBrush, 0, 32, kBitmapTexturePaper, kBitmapLabelTextureBrushes},
    {1, 282, 79, 343, 55, 0, {}, kBitmapRollerWeave, kMaskRollerWeave, kCursorTextureBrush, 0, 32, kBitmapTextureWeave, kBitmapLabelTextureBrushes},
    {1, 208, 79, 270, 55, 0, {}, kBitmapRollerWaves, kMaskRollerWaves, kCursorTextureBrush, 0, 32, kBitmapTextureWaves, kBitmapLabelTextureBrushes},
    {1, 356, 79, 419, 55, 0, {}, kBitmapRollerPebbles, kMaskRollerPebbles, kCursorTextureBrush, 0, 32, kBitmapTexturePebbles, kBitmapLabelTextureBrushes},
    {1, 189, 54, 263, 25, 0, {}, kBitmapRollerCells, kMaskRollerCells, kCursorTextureBrush, 0, 32, kBitmapTextureCells, kBitmapLabelTextureBrushes},
    {1, 276, 54, 347, 25, 0, {}, kBitmapRollerBubbles, kMaskRollerBubbles, kCursorTextureBrush, 0, 32, kBitmapTextureBubbles, kBitmapLabelTextureBrushes},
    // Shelf 2: the stamp books.
    {2, 181, 75, 283, 25, 0, {}, kBitmapStampBookButterflies, kMaskStampBookButterflies, kCursorStamp, 0, 1, 0, kBitmapLabelButterfliesStampBook},
    {2, 279, 73, 364, 25, 0, {}, kBitmapStampBookBoats, kMaskStampBookBoats, kCursorStamp, 0, 1, 0, kBitmapLabelBoatsStampBook},
    {2, 363, 74, 447, 25, 0, {}, kBitmapStampBookShapes, kMaskStampBookShapes, kCursorStamp, 0, 1, 0, kBitmapLabelShapesStampBook},
    // Shelf 3: the effect tools; mode says which effect.
    {3, 372, 41, 428, 26, 0, {}, kBitmapScrewdriver, kMaskScrewdriver, kCursorScrewdriver, kSoundScrewdriver, 28, 1, kBitmapLabelScrewdriver},
    {3, 271, 57, 356, 22, 5, {{314, 57}, {356, 57}, {356, 22}, {271, 22}, {271, 39}}, kBitmapSunglasses, kMaskSunglasses, kCursorSunglasses, kSoundSunglasses, 28, 2, kBitmapLabelSunglasses},
    {3, 199, 54, 246, 22, 5, {{223, 54}, {246, 54}, {246, 22}, {199, 22}, {199, 38}}, kBitmapLightBulb, kMaskLightBulb, kCursorLightBulb, kSoundLightBulb, 28, 3, kBitmapLabelLightBulb},
    {3, 366, 76, 426, 42, 0, {}, kBitmapTissue, kMaskTissue, kCursorTissue, kSoundTissue, 28, 4, kBitmapLabelTissue},
    {3, 261, 68, 314, 52, 0, {}, kBitmapTintCrayon, kMaskTintCrayon, kCursorTintCrayon, kSoundTint, 28, 5, kBitmapLabelTintCrayon},
    {3, 193, 79, 210, 45, 0, {}, kBitmapSaltShaker, kMaskSaltShaker, kCursorSaltShaker, kSoundSalt, 28, 6, kBitmapLabelSaltShaker},
    // Shelf 4: the chisel and the fancy brushes.
    {4, 371, 58, 422, 23, 0, {}, kBitmapChisel, kMaskChisel, kCursorChisel, kSoundChisel, 28, 7, kBitmapLabelChisel},
    {4, 294, 49, 318, 25, 0, {}, kBitmapBallBrush, kMaskBallBrush, kCursorBallBrush, 0, 48, 0, kBitmapLabelBallBrush},
    {4, 197, 49, 258, 19, 0, {}, kBitmapMirrorBrush, kMaskMirrorBrush, kCursorMirrorBrush, kSoundMirror, 16, 1, kBitmapLabelMirrorBrush},
    {4, 343, 72, 457, 51, 0, {}, kBitmapStarWand, kMaskStarWand, kCursorStarWand, kSoundStarWand, 48, 0, kBitmapLabelStarWand},
    {4, 283, 89, 334, 52, 0, {}, kBitmapNeedleThread, kMaskNeedleThread, kCursorNeedle, kSoundNeedle, 48, 0, kBitmapLabelNeedleAndThread},
    {4, 184, 89, 259, 51, 0, {}, kBitmapSplatGun, kMaskSplatGun, kCursorSplatGun, 0, 90, 0, kBitmapLabelSplatGun},
};
// clang-format on

// The hit region of an entry: its polygon, or the box of its hotRect.
RegionRef create_hit_region(const EntryValues& e, const Rect& hot, int32_t height) {
    int32_t points[2 * (kMaxPolygon + 1)];
    int32_t n = 0;
    if (e.pointCount == 0) {
        const Point box[4] = {{hot.left, hot.top},
                              {hot.right, hot.top},
                              {hot.right, hot.bottom},
                              {hot.left, hot.bottom}};
        for (const Point& p : box) {
            points[n++] = p.x;
            points[n++] = p.y;
        }
    } else {
        for (int32_t i = 0; i < e.pointCount; ++i) {
            points[n++] = e.polygon[i].x;
            points[n++] = height - e.polygon[i].up;
        }
    }
    points[n++] = TB_POLY_END;
    points[n++] = TB_POLY_END;
    return tb_CreateRegion(points);
}

void assign_options_panels(SceneObject* table) {
    for (int32_t i : {0, 2, 4}) {
        table[i].drawOptions = pencil_sizes_draw;
        table[i].clickOptions = pencil_sizes_click;
    }
    for (int32_t i : {1, 3}) {
        table[i].drawOptions = brush_sizes_draw;
        table[i].clickOptions = brush_sizes_click;
    }
    for (int32_t i = 9; i <= 14; ++i) {
        table[i].drawOptions = texture_sizes_draw;
        table[i].clickOptions = texture_sizes_click;
    }
    for (int32_t i : {18, 19, 20, 21, 23, 24}) {
        table[i].drawOptions = effect_sizes_draw;
        table[i].clickOptions = effect_sizes_click;
    }
}

}  // namespace

void scene_build_table() {
    const int32_t height = g_layout.height;
    const WindowRef mainWindow = tb_GetMainWindow();
    for (int32_t i = 0; i < kSceneObjectCount; ++i) {
        SceneObject& o = g_sceneObjects[i];
        const EntryValues& e = kEntries[i];
        o.init = tool_init;
        o.init(&o, g_backBuffer, g_pictureBitmap);
        o.shelf = e.shelf;
        o.hotRect = Rect{e.left, height - e.top, e.right, height - e.bottom};
        o.imageId = e.imageId;
        o.imageId2 = e.imageId;
        o.maskId = e.maskId;
        o.cursorId = e.cursorId;
        o.soundId = e.soundId;
        o.size = e.size;
        o.mode = e.mode;
        if (tool_traits(i).onWindow) o.auxHandle = mainWindow;
        o.hotRegion = create_hit_region(e, o.hotRect, height);
    }
    // The tint crayon's colour words choose the channel it raises: red at first.
    SceneObject& tintCrayon = g_sceneObjects[kTintCrayon];
    tintCrayon.red = 1;
    tintCrayon.green = 0;
    tintCrayon.blue = 0;
    assign_options_panels(g_sceneObjects);
    scene_install_tool_families(g_sceneObjects);
}

void scene_release_table() {
    for (SceneObject& o : g_sceneObjects) {
        if (o.dispose != nullptr) o.dispose(&o);
        o.hotRegion = -1;
    }
}

int32_t scene_object_at(int32_t x, int32_t y) {
    for (int32_t i = 0; i < kSceneObjectCount; ++i) {
        const SceneObject& o = g_sceneObjects[i];
        if (o.shelf != g_currentShelf || o.hotRegion == -1) continue;
        if (tb_PtInRegion(x, y, o.hotRegion) != 0) return i;
    }
    return -1;
}

int32_t scene_object_label(int32_t entry) {
    if (entry < 0 || entry >= kSceneObjectCount) return 0;
    return kEntries[entry].labelId;
}
