// The table of the 30 tools: where each lies on the table, how it looks, its pointer image,
// sound and size, which shelf shows it, and the operations that paint with it.
#include <initializer_list>

#include "scene/scene_draw.h"
#include "scene/scene_object.h"
#include "scene/scene_table.h"
#include "tools/tool_ops.h"

namespace {

// Vertical coordinates are distances up from the bottom edge (y = H - value): the table lies
// along the bottom of the window, whatever its height.
struct HotPoint {
    int32_t x, up;
};

constexpr int32_t kMaxPolygon = 10;

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
    bool drawsOnWindow;  // gets the main window in auxHandle
    int32_t labelId;
};

// clang-format off
constexpr EntryValues kEntries[kSceneObjectCount] = {
    // Shelf 0: pencil, paintbrush, eraser, spray can, ruler, shape template, paint pot,
    // colour dropper, scissors.
    {0, 363, 36, 428, 22, 4, {{364, 30}, {425, 37}, {425, 28}, {364, 23}}, 154, 163, 204, 1000, 4, 0, false, 701},
    {0, 326, 51, 414, 29, 4, {{326, 38}, {404, 52}, {417, 48}, {328, 28}}, 155, 164, 205, 1001, 24, 0, false, 702},
    {0, 308, 55, 344, 40, 4, {{308, 53}, {343, 56}, {342, 44}, {309, 40}}, 156, 165, 206, 1003, 24, 0, false, 704},
    {0, 188, 80, 207, 26, 4, {{189, 79}, {205, 79}, {205, 28}, {189, 28}}, 157, 166, 208, 0, 24, 0, false, 709},
    {0, 370, 64, 463, 49, 4, {{371, 65}, {462, 61}, {462, 51}, {370, 55}}, 158, 167, 209, 1002, 4, 0, true, 703},
    {0, 222, 42, 259, 25, 10,
     {{221, 35}, {226, 40}, {235, 42}, {245, 41}, {247, 38}, {258, 38}, {257, 27}, {234, 27}, {234, 28}, {225, 30}},
     159, 168, 211, 1029, 4, 0, true, 707},
    {0, 277, 50, 299, 23, 4, {{277, 50}, {298, 50}, {298, 24}, {277, 24}}, 160, 169, 207, 1004, 4, 0, false, 706},
    {0, 272, 69, 324, 52, 6, {{272, 68}, {295, 69}, {323, 61}, {323, 57}, {283, 54}, {272, 55}}, 161, 170, 200, 1019, 4, 0, false, 705},
    {0, 214, 61, 260, 42, 6, {{215, 60}, {256, 63}, {259, 51}, {232, 47}, {220, 42}, {215, 51}}, 162, 171, 210, 1005, 1, 0, true, 708},
    // Shelf 1: the texture brushes; mode holds their texture bitmap.
    {1, 360, 54, 435, 24, 0, {}, 200, 206, 213, 0, 32, 212, false, 734},
    {1, 282, 79, 343, 55, 0, {}, 201, 207, 213, 0, 32, 213, false, 734},
    {1, 208, 79, 270, 55, 0, {}, 202, 208, 213, 0, 32, 214, false, 734},
    {1, 356, 79, 419, 55, 0, {}, 203, 209, 213, 0, 32, 215, false, 734},
    {1, 189, 54, 263, 25, 0, {}, 204, 210, 213, 0, 32, 216, false, 734},
    {1, 276, 54, 347, 25, 0, {}, 205, 211, 213, 0, 32, 217, false, 734},
    // Shelf 2: the stamp books.
    {2, 181, 75, 283, 25, 0, {}, 500, 503, 228, 0, 1, 0, true, 737},
    {2, 279, 73, 364, 25, 0, {}, 501, 504, 228, 0, 1, 0, true, 736},
    {2, 363, 74, 447, 25, 0, {}, 502, 505, 228, 0, 1, 0, true, 735},
    // Shelf 3: the effect tools; mode says which effect.
    {3, 372, 41, 428, 26, 0, {}, 300, 306, 214, 1037, 28, 1, false, 728},
    {3, 271, 57, 356, 22, 5, {{314, 57}, {356, 57}, {356, 22}, {271, 22}, {271, 39}}, 301, 307, 215, 1032, 28, 2, false, 729},
    {3, 199, 54, 246, 22, 5, {{223, 54}, {246, 54}, {246, 22}, {199, 22}, {199, 38}}, 302, 308, 216, 1033, 28, 3, false, 730},
    {3, 366, 76, 426, 42, 0, {}, 303, 309, 217, 1030, 28, 4, false, 731},
    {3, 261, 68, 314, 52, 0, {}, 304, 310, 218, 1038, 28, 5, false, 732},
    {3, 193, 79, 210, 45, 0, {}, 305, 311, 219, 1036, 28, 6, false, 733},
    // Shelf 4: the chisel and the fancy brushes.
    {4, 371, 58, 422, 23, 0, {}, 400, 406, 220, 1026, 28, 7, false, 722},
    {4, 294, 49, 318, 25, 0, {}, 401, 407, 221, 0, 48, 0, false, 723},
    {4, 197, 49, 258, 19, 0, {}, 402, 408, 222, 1025, 16, 1, false, 724},
    {4, 343, 72, 457, 51, 0, {}, 403, 409, 223, 1011, 48, 0, false, 725},
    {4, 283, 89, 334, 52, 0, {}, 404, 410, 224, 1024, 48, 0, false, 726},
    {4, 184, 89, 259, 51, 0, {}, 405, 411, 225, 0, 90, 0, false, 727},
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
        if (e.drawsOnWindow) o.auxHandle = mainWindow;
        o.hotRegion = create_hit_region(e, o.hotRect, height);
    }
    // The tint crayon's colour words choose the channel it raises: red at first.
    g_sceneObjects[22].red = 1;
    g_sceneObjects[22].green = 0;
    g_sceneObjects[22].blue = 0;
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
