// The intro: the program's title picture, centred on the screen while the room is still dark.
#include "pictures/intro.h"

#include "pictures/dialog_art.h"
#include "resources/resource_ids.h"

namespace {

constexpr int32_t kTimer = 1000;
constexpr uint32_t kShownFor = 7000;  // ms

void finish(NativeWindow dialog, int32_t result) {
    tb_KillDialogTimer(dialog, kTimer);
    tb_EndDialog(dialog, result);
}

int32_t intro_proc(NativeWindow dialog, int32_t message, int64_t wParam, int64_t) {
    switch (message) {
        case TB_WM_INITDIALOG:
            tb_SetDialogTimer(dialog, kTimer, kShownFor);
            tb_SetDialogSize(dialog, kBitmapIntroSize.width, kBitmapIntroSize.height);
            return 1;
        case TB_WM_PAINT:
            show_dialog_picture(dialog, kBitmapIntro, 0, 0);
            return 1;
        case TB_WM_TIMER:
        case TB_WM_LBUTTONDOWN:
        case TB_WM_LBUTTONDBLCLK:
            finish(dialog, 1);
            return 1;
        case TB_WM_COMMAND:
            if (wParam != TB_IDCANCEL) return 0;
            finish(dialog, 0);  // Escape
            return 1;
        default:
            return 0;
    }
}

}  // namespace

int32_t intro_show() {
    tb_DoDialog(kDialogBlank, intro_proc);
    return 1;
}
