#include "shell/startup.h"

#include <cstring>
#include <string>

#include "pictures/commands.h"
#include "pictures/intro.h"
#include "pictures/stamp_picker.h"
#include "pictures/user_folder.h"
#include "print/print_picture.h"
#include "resources/resource_ids.h"
#include "scene/input_dispatch.h"
#include "scene/scene.h"
#include "scene/scene_hooks.h"
#include "scene/scene_state.h"
#include "scene/scene_table.h"
#include "scene/tool_traits.h"
#include "shell/app_state.h"
#include "shell/command_menu.h"
#include "shell/preferences.h"
#include "shell/window_proc.h"
#include "text/text_dialog.h"
#include "text/text_settings.h"
#include "text/text_tool.h"
#include "toolbox/toolbox.h"

AppState g_app;

namespace {

const char* const kEightBitRefusal =
    "Tintamar requires that your display be set to 16 or 24 bits per pixel color mode. "
    "Please adjust your display settings and then restart Tintamar.";
const char* const kResolutionHint =
    "Tintamar works best when your display is set to a resultion of 800x600 or 640x480.";

// The user's Tintamar folder, made ready before the toolbox notes the folder the program
// works in. When it cannot be, the pictures still belong there, not wherever the program was
// started: saving then fails with a notice instead of leaving pictures in a stranger place.
std::string g_userFolder;
bool g_userFolderReady = false;

void prepare_user_folder() {
    char data[4096];
    const auto room = static_cast<int32_t>(sizeof data);
    const bool known = tb_GetDataDirectory(room, data) < room;
    g_userFolder = user_folder_path();
    g_userFolderReady =
        user_folder_prepare(g_userFolder, known ? std::string(data) + "/Pages" : "");
}

void keep_pictures_in_user_folder() {
    if (g_userFolderReady) return;
    if (g_userFolder.size() < sizeof g_homeFolder)
        std::memcpy(g_homeFolder, g_userFolder.c_str(), g_userFolder.size() + 1);
    else
        g_homeFolder[0] = 0;
}

bool create_main_window() {
    tb_Startup();
    Rect desktop;
    tb_GetDesktopRect(&desktop);
    // With a room scale the program follows the hint's advice itself.
    if (tb_GetRoomScale() == 1 &&
        (desktop.right - desktop.left > 800 || desktop.bottom - desktop.top > 600)) {
        tb_Attention(kResolutionHint);
    }
    // Ended by a signal while the hint was up: no window to open.
    if (tb_EndingSignal() != 0) return false;
    g_app.desktop = desktop;
    g_app.mainWindow = tb_OpenWindow(&g_app.desktop, "Tintamar");
    if (g_app.mainWindow == -1) return false;
    tb_SetMainEventHandler(window_proc);
    intro_show();
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
    text_reset_settings();
    keep_pictures_in_user_folder();
    tb_SetCursor(kCursorArrow);
}

}  // namespace

void idle_pass() {
    if (tool_traits(g_currentObject).carries == ToolCarries::Nothing) return;
    if (g_sceneObjects[g_currentObject].active == 0 || tb_KeyDown('C') == 0) return;
    input_put_down();
    scene_compose_picture();
}

namespace {

// Exit codes beyond the two the program is built around (0, and the quit message's code).
constexpr int32_t kExitNoWindow = 1;    // no display, or no window could be opened on it
constexpr int32_t kExitLeftovers = 70;  // the sanitizer build found table entries never disposed of

// The main loop runs the idle pass whenever the queue is empty, then waits for the next event
// instead of spinning: a key press wakes it, so the idle pass still sees the C key at once.
int32_t run_main_loop() {
    for (;;) {
        TbEvent e;
        if (tb_GetEvent(&e, 0) == 0) {
            idle_pass();
            if (tb_GetEvent(&e, 1) == 0) continue;
        }
        if (e.kind == TB_EVENT_QUIT) return e.key;
        window_proc(&e);
    }
}

int32_t start_and_run() {
    int32_t registered = tb_RegisterWindowClass();
    if (registered == 0) return 0;
    if (registered < 0) return kExitNoWindow;
    if (tb_GetScreenDepth() == 8) {
        tb_Attention(kEightBitRefusal);
        tb_CloseWindowSystem();
        return 0;
    }
    prepare_user_folder();
    if (!create_main_window()) {
        tb_CloseWindowSystem();
        return kExitNoWindow;
    }
    startup_init();
    tb_SetPointerMode(2);
    g_app.sceneReady = 1;
    menu_build();
    scene_repaint_all();

    int32_t exitCode = run_main_loop();
#if defined(TINTAMAR_SANITIZE)
    // Everything has been released: whatever is still in the tables was forgotten.
    if (tb_ReportLeftovers() > 0) exitCode = kExitLeftovers;
#endif
    tb_CloseWindowSystem();
    return exitCode;
}

}  // namespace

int32_t run_tintamar() {
    int32_t exitCode = start_and_run();
    // Ended by SIGTERM or SIGINT: the shell's way of saying so (unless something was forgotten).
    int32_t signal = tb_EndingSignal();
    if (signal != 0 && exitCode != kExitLeftovers) return 128 + signal;
    return exitCode;
}
