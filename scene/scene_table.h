// Building and releasing the table of scene objects (the scene's own lifecycle uses these).
#pragma once

#include "scene/scene_object.h"

// Fills all 30 entries for the layout in force, hit regions included; the bitmaps must exist.
void scene_build_table();
// Calls every entry's dispose, in order.
void scene_release_table();
// Gives the tool families their operations (scene/tool_families.cpp).
void scene_install_tool_families(SceneObject* table);
