// Where the tool families give their entries their own operations. Each family source in tools/
// defines one installer; it is called here, after the table builder has filled every entry and
// the size choosers. The Pencil (entry 0) keeps the default stroke.
#include "tools/tool_families.h"

#include "scene/scene_table.h"
#include "tools/tool_ops.h"

void scene_install_tool_families(SceneObject* table) {
    constexpr ToolFamilyInstaller kInstallers[] = {install_paint_tools, install_ruler_shapes,
                                                   install_scissors_stamps, install_texture_brushes,
                                                   install_effect_tools,    install_fancy_brushes};
    for (ToolFamilyInstaller install : kInstallers) install(table);
}
