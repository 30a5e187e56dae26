// FIXME: stands in for the scene until the room is composed; paints the window white.
#include "scene/scene.h"
#include "scene/scene_object.h"

SceneObject g_sceneObjects[kSceneObjectCount];
int32_t g_currentObject = 0;
int32_t g_currentShelf = 0;

void scene_startup(int32_t, int32_t) {}
void scene_release() {}
void scene_rebuild(int32_t, int32_t) {}
void scene_repaint_all() {
    WindowRef w = tb_GetMainWindow();
    Rect r;
    tb_GetClientRect(w, &r);
    tb_SetForeColor(w, 65025, 65025, 65025);
    tb_PaintRect(w, &r);
}
void scene_compose_picture() {}
void input_pointer_move(int32_t, int32_t) {}
void input_button_down(int32_t, int32_t) {}
void input_button_up(int32_t, int32_t) {}
void input_double_click(int32_t, int32_t) {}
