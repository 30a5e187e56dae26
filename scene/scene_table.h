// The table of the 30 scene objects: every tool on the table, which one is in hand and which
// shelf the table shows; building and releasing it, and finding an object under the pointer.
#pragma once

#include <cstdint>

#include "tools/scene_object.h"

extern SceneObject g_sceneObjects[kSceneObjectCount];
extern int32_t g_currentObject;  // index of the current tool, 0 at start
extern int32_t g_currentShelf;   // 0..4, 0 at start

// Fills all 30 entries for the layout in force, hit regions included; the bitmaps must exist.
void scene_build_table();
// Calls every entry's dispose, in order.
void scene_release_table();
// Gives the tool families their operations (scene/tool_families.cpp).
void scene_install_tool_families(SceneObject* table);

// Hit testing of the table: the first object of the current shelf whose region holds window
// point (x, y), or -1.
int32_t scene_object_at(int32_t x, int32_t y);
// The hover label bitmap of an entry (the Pencil's label for 0 ...), 0 for a bad index.
int32_t scene_object_label(int32_t entry);
