// The intro: the program's title picture, centred on the screen while the room is still dark.
#include "pictures/intro.h"

#include "pictures/dialog_art.h"
#include "resources/resource_ids.h"
#include "toolbox/toolbox.h"

namespace {

constexpr int32_t kTimer = 1000;
constexpr uint32_t kShownFor = 7000;  // ms

// A press or the end of its time ends the intro; Escape too (with 0).
void finish(NativeWindow dialog) {
    tb_KillDialogTimer(dialog, kTimer);
    tb_EndDialog(dialog, 1);
}

void start(NativeWindow dialog) { tb_SetDialogTimer(dialog, kTimer, kShownFor); }
void paint(NativeWindow dialog) { show_dialog_picture(dialog, kBitmapIntro, 0, 0); }
void press(NativeWindow dialog, Point, int32_t, bool) { finish(dialog); }
void timer(NativeWindow dialog, int32_t) { finish(dialog); }

}  // namespace

int32_t intro_show() {
    const TbFaceDialog intro{.templateId = kDialogBlank,
                             .width = kBitmapIntroSize.width,
                             .height = kBitmapIntroSize.height,
                             .paint = paint,
                             .start = start,
                             .press = press,
                             .timer = timer};
    tb_RunFaceDialog(intro);
    return 1;
}
