#include "shell/window_proc.h"

#include "scene/input_dispatch.h"
#include "scene/scene.h"
#include "scene/scene_table.h"
#include "shell/app_state.h"
#include "shell/command_menu.h"

namespace {

const char* const kEscapeHint =
    "Press the Remote Control (on the yellow table below,\n"
    "next to the monitor and cleaner bottle) to access the\n"
    "menu options such as Open, Save, Quit, New, Help, etc";

bool main_window_exists() { return g_app.mainWindow != -1; }

// Where the pointer was at the last pointer event. The window covers the whole screen, so
// every move reaches it; asking the display server instead can give a stale answer.
bool g_pointerSeen = false;
Point g_pointerAt;

void remember_pointer(const TbEvent* e) {
    switch (e->kind) {
        case TB_EVENT_MOUSE_MOVE:
        case TB_EVENT_BUTTON_DOWN:
        case TB_EVENT_BUTTON_UP:
        case TB_EVENT_DOUBLE_CLICK:
        case TB_EVENT_SECONDARY_DOWN:
            g_pointerSeen = true;
            g_pointerAt = Point{e->x & 0xFFFF, e->y & 0xFFFF};
            break;
        default:
            break;
    }
}

Point pointer_position() {
    if (g_pointerSeen) return g_pointerAt;
    Point p;
    tb_GetMousePos(&p);
    return p;
}

// The window goes back over the whole screen, as the desktop is now.
void cover_desktop() {
    tb_GetDesktopRect(&g_app.desktop);
    tb_MoveWindow(g_app.mainWindow, &g_app.desktop);
}

void destroy_main_window() {
    menu_destroy();
    scene_release();
    g_app.sceneReady = 0;
    tb_PostQuit(0);
}

}  // namespace

void window_proc(const TbEvent* e) {
    remember_pointer(e);
    switch (e->kind) {
        case TB_EVENT_CLOSE:
            destroy_main_window();
            break;
        case TB_EVENT_FOCUS_GAINED:
            g_app.focusLost = 0;
            if (main_window_exists() && g_app.sceneReady != 0) {
                cover_desktop();
                scene_repaint_all();
            }
            break;
        case TB_EVENT_MOVED:
            // Nobody moves or sizes this window: it goes straight back over the desktop.
            if (main_window_exists() && g_app.sceneReady != 0) cover_desktop();
            break;
        case TB_EVENT_FOCUS_LOST:
            g_app.focusLost = 1;
            input_button_state(0);
            break;
        case TB_EVENT_EXPOSE:
            if (main_window_exists() && g_app.sceneReady != 0) scene_repaint_all();
            break;
        case TB_EVENT_DISPLAY_CHANGE:
            if (main_window_exists() && g_app.sceneReady != 0) {
                cover_desktop();
                scene_rebuild(g_app.desktop.right - g_app.desktop.left,
                              g_app.desktop.bottom - g_app.desktop.top);
            }
            break;
        case TB_EVENT_KEY_DOWN:
            if (e->key == TB_VK_ESCAPE) {
                if (g_sceneObjects[g_currentObject].active == 0) tb_Attention(kEscapeHint);
            } else if (e->key == TB_VK_F1) {
                Point p = pointer_position();
                menu_open_at(p.x, p.y);
            }
            break;
        case TB_EVENT_MOUSE_MOVE:
            if (main_window_exists()) input_pointer_move(e->x & 0xFFFF, e->y & 0xFFFF);
            break;
        case TB_EVENT_BUTTON_DOWN:
            input_button_state(1);
            if (g_app.focusLost == 0 && main_window_exists()) {
                input_button_down(e->x & 0xFFFF, e->y & 0xFFFF);
            }
            break;
        case TB_EVENT_BUTTON_UP:
            input_button_state(0);
            if (g_app.focusLost == 0 && main_window_exists()) {
                input_button_up(e->x & 0xFFFF, e->y & 0xFFFF);
            }
            break;
        case TB_EVENT_DOUBLE_CLICK:
            input_button_state(1);
            if (main_window_exists()) input_double_click(e->x & 0xFFFF, e->y & 0xFFFF);
            break;
        case TB_EVENT_SECONDARY_DOWN:
            menu_open_at(e->x & 0xFFFF, e->y & 0xFFFF);
            break;
        default:
            break;
    }
}
