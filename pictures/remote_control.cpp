// The remote control over the room: the remote's picture cut out by its mask, the room showing
// around it. Pressing a button shows it pressed in and lights the little lamp at the top;
// releasing on it plays a click, lets go of the button, and half a second later the command
// runs. Coordinates are dialog pixels; rectangles hold their left and top edges only.
#include "pictures/remote_control.h"

#include "pictures/dialog_art.h"
#include "resources/resource_ids.h"
#include "scene/scene_draw.h"
#include "toolbox/toolbox.h"

namespace {

constexpr int32_t kCommandCount = 8;

struct RemoteButton {
    Rect area;
    int32_t pressedImage;  // drawn at the area's top-left corner
};

// In command order: Quit, Save, New, Open, About, Help, Preferences, Gallery.
constexpr RemoteButton kButtons[kCommandCount] = {
    {{31, 7, 102, 46}, kBitmapRemoteQuitDown},
    {{29, 46, 101, 87}, kBitmapRemoteSaveDown},
    {{26, 88, 101, 131}, kBitmapRemoteNewDown},
    {{23, 132, 101, 179}, kBitmapRemoteOpenDown},
    {{125, 7, 195, 46}, kBitmapRemoteAboutDown},
    {{125, 46, 198, 87}, kBitmapRemoteHelpDown},
    {{126, 88, 201, 131}, kBitmapRemotePreferencesDown},
    {{127, 132, 205, 179}, kBitmapRemoteGalleryDown},
};
constexpr Rect kCloseArea{20, 221, 81, 235};
constexpr Rect kLight{104, 2, 122, 19};
constexpr uint32_t kWaitBeforeCommand = 500;  // ms: the child sees the button let go first

struct RemoteRun {
    BitmapRef face = -1;  // the remote over the room, unpressed
    bool pressed[kCommandCount] = {};
};

RemoteRun g_run;

bool inside(const Rect& r, Point p) { return tb_PtInRect(p.x, p.y, &r) != 0; }

int32_t button_at(Point p) {
    for (int32_t i = 0; i < kCommandCount; ++i) {
        if (inside(kButtons[i].area, p)) return i;
    }
    return -1;
}

void show_unpressed(NativeWindow dialog) {
    for (bool& p : g_run.pressed) p = false;
    if (g_run.face >= 0) tb_ShowDialogFace(dialog, g_run.face);
}

// The face is made again at every paint: the room under the remote may have been redrawn.
void paint(NativeWindow dialog) {
    if (g_run.face >= 0) tb_DisposeBitmap(g_run.face);
    g_run.face = tb_CreateDialogFace(dialog, g_backBuffer, kBitmapRemote, kMaskRemote);
    show_unpressed(dialog);
}

void press(NativeWindow dialog, Point p, int32_t, bool) {
    const int32_t held = button_at(p);
    for (int32_t i = 0; i < kCommandCount; ++i) {
        if (g_run.pressed[i] && i != held && g_run.face >= 0) {
            tb_CopyBitmapToHwnd(dialog, g_run.face, &kButtons[i].area, &kButtons[i].area);
            g_run.pressed[i] = false;
        }
    }
    if (held < 0 || g_run.pressed[held]) return;
    const Rect& area = kButtons[held].area;
    show_dialog_picture(dialog, kButtons[held].pressedImage, area.left, area.top);
    show_dialog_picture(dialog, kBitmapRemoteLight, kLight.left, kLight.top);
    g_run.pressed[held] = true;
}

bool active(Point p) { return button_at(p) >= 0 || inside(kCloseArea, p); }

// The result: -1 for the close area, the command number plus one for a button.
int32_t release(NativeWindow dialog, Point p) {
    tb_PlaySoundAsync(kSoundClick);
    show_unpressed(dialog);
    if (inside(kCloseArea, p)) return -1;
    const int32_t button = button_at(p);
    if (button < 0) return TB_FACE_STAY_OPEN;
    tb_Delay(kWaitBeforeCommand);
    return button + 1;
}

}  // namespace

int32_t remote_control_run() {
    g_run = RemoteRun{};
    const TbFaceDialog remote{.templateId = kDialogBlank,
                              .width = kBitmapRemoteSize.width,
                              .height = kBitmapRemoteSize.height,
                              .paint = paint,
                              .release = release,
                              .active = active,
                              .press = press};
    // A dialog's result 0 is Escape, so the buttons end it with their command plus one.
    const int32_t result = tb_RunFaceDialog(remote);
    if (g_run.face >= 0) tb_DisposeBitmap(g_run.face);
    g_run = RemoteRun{};
    return result > 0 ? result - 1 : result;
}
