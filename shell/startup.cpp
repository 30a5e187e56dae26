#include "shell/startup.h"

#include "pictures/commands.h"
#include "pictures/stamp_picker.h"
#include "print/print_picture.h"
#include "resources/resource_ids.h"
#include "scene/input_dispatch.h"
#include "scene/scene.h"
#include "scene/scene_hooks.h"
#include "scene/scene_table.h"
#include "scene/tool_traits.h"
#include "shell/app_state.h"
#include "shell/command_menu.h"
#include "shell/preferences.h"
#include "shell/window_proc.h"
#include "text/text_tool.h"
#include "toolbox/toolbox.h"

AppState g_app;

namespace {

const char* const kEightBitRefusal =
    "Tintamar requires that your display be set to 16 or 24 bits per pixel color mode. "
    "Please adjust your display settings and then restart Tintamar.";
const char* const kResolutionHint =
    "Tintamar works best when your display is set to a resultion of 800x600 or 640x480.";

bool create_main_window() {
    tb_Startup();
    Rect desktop;
    tb_GetDesktopRect(&desktop);
    // With a room scale the program follows the hint's advice itself.
    if (tb_GetRoomScale() == 1 &&
        (desktop.right - desktop.left > 800 || desktop.bottom - desktop.top > 600)) {
        tb_Attention(kResolutionHint);
    }
    g_app.desktop = desktop;
    g_app.mainWindow = tb_OpenWindow(&g_app.desktop, "Tintamar");
    if (g_app.mainWindow == -1) return false;
    tb_SetMainEventHandler(window_proc);
    // The intro screen takes its place here.
    tb_SetButtonPollingMode(0);
    return true;
}

// The commands and dialogs the input dispatch opens, which sit above the scene.
void connect_scene_hooks() {
    g_sceneHooks = SceneHooks{do_command,        print_picture, text_dialog_run,
                              text_draw_preview, text_stamp,    stamp_picker_run};
}

void startup_init() {
    preferences_set_defaults();
    preferences_load();
    tb_SetSoundSwitch(&g_prefs.soundOn);
    connect_scene_hooks();
    Rect client;
    tb_GetClientRect(g_app.mainWindow, &client);
    scene_startup(client.right, client.bottom);
    tb_SetCursor(kCursorArrow);
}

}  // namespace

void idle_pass() {
    if (tool_traits(g_currentObject).carries == ToolCarries::Nothing) return;
    if (g_sceneObjects[g_currentObject].active == 0 || tb_KeyDown('C') == 0) return;
    input_put_down();
    scene_compose_picture();
}

int32_t run_tintamar() {
    if (tb_RegisterWindowClass() == 0) return 0;
    if (tb_GetScreenDepth() == 8) {
        tb_Attention(kEightBitRefusal);
        tb_CloseWindowSystem();
        return 0;
    }
    if (!create_main_window()) {
        tb_CloseWindowSystem();
        return 0;
    }
    startup_init();
    tb_SetPointerMode(2);
    g_app.sceneReady = 1;
    menu_build();
    scene_repaint_all();

    // The loop runs the idle pass whenever the queue is empty, then waits for the next event
    // instead of spinning: a key press wakes it, so the idle pass still sees the C key at once.
    int32_t exitCode = 0;
    for (;;) {
        TbEvent e;
        if (tb_GetEvent(&e, 0) == 0) {
            idle_pass();
            if (tb_GetEvent(&e, 1) == 0) continue;
        }
        if (e.kind == TB_EVENT_QUIT) {
            exitCode = e.key;
            break;
        }
        window_proc(&e);
    }
    tb_CloseWindowSystem();
    return exitCode;
}
