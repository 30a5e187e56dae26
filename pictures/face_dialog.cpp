#include "pictures/face_dialog.h"

#include "resources/resource_ids.h"

namespace {

const FaceDialog* g_running = nullptr;  // the innermost face dialog

int32_t face_proc(NativeWindow dialog, int32_t message, int64_t, int64_t lParam) {
    const FaceDialog& d = *g_running;
    const Point p = tb_DialogPoint(lParam);
    switch (message) {
        case TB_WM_INITDIALOG:
            tb_SetDialogSize(dialog, d.width, d.height);
            return 1;
        case TB_WM_PAINT:
            d.paint(dialog);
            return 1;
        case TB_WM_MOUSEMOVE:
            tb_SetCursor(d.active(p) ? kCursorHandPoint : kCursorArrow);
            return 1;
        case TB_WM_LBUTTONDOWN:
        case TB_WM_LBUTTONDBLCLK:
            if (d.press != nullptr)
                d.press(dialog, p);
            else if (d.active(p))
                tb_PlaySoundAsync(kSoundOptionsClick);
            return 1;
        case TB_WM_LBUTTONUP: {
            const int32_t result = d.release(dialog, p);
            if (result != 0) tb_EndDialog(dialog, result);
            return 1;
        }
        default:
            return 0;  // Escape (the cancel command) ends the dialog with 0
    }
}

}  // namespace

int32_t run_face_dialog(const FaceDialog& dialog) {
    const FaceDialog* outer = g_running;
    g_running = &dialog;
    const int32_t result = tb_DoDialog(dialog.templateId, face_proc);
    g_running = outer;
    return result;
}
