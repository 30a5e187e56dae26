// The one runner of the custom-drawn dialogs over the room: it sizes and centres the dialog,
// has it draw its face, chooses the pointer image over its active areas, and hands presses,
// releases, keys, typing, the wheel and timers to the dialog's own handlers.
#include "resources/resource_ids.h"
#include "toolbox/toolbox.h"

namespace {

const TbFaceDialog* g_running = nullptr;  // the innermost face dialog

void choose_pointer(const TbFaceDialog& d, NativeWindow dialog, Point p) {
    if (d.moved != nullptr)
        d.moved(dialog, p);
    else
        tb_SetCursor(d.active != nullptr && d.active(p) ? kCursorHandPoint : kCursorArrow);
}

int32_t face_proc(NativeWindow dialog, int32_t message, int64_t wParam, int64_t lParam) {
    const TbFaceDialog& d = *g_running;
    const Point p = tb_DialogPoint(lParam);
    switch (message) {
        case TB_WM_INITDIALOG:
            tb_SetDialogSize(dialog, d.width, d.height);
            if (d.start != nullptr) d.start(dialog);
            return 1;
        case TB_WM_PAINT:
            d.paint(dialog);
            return 1;
        case TB_WM_MOUSEMOVE:
            choose_pointer(d, dialog, p);
            return 1;
        case TB_WM_LBUTTONDOWN:
        case TB_WM_LBUTTONDBLCLK:
            if (d.press != nullptr)
                d.press(dialog, p, static_cast<int32_t>(wParam), message == TB_WM_LBUTTONDBLCLK);
            else if (d.active != nullptr && d.active(p))
                tb_PlaySoundAsync(kSoundOptionsClick);
            return 1;
        case TB_WM_LBUTTONUP: {
            const int32_t result = d.release != nullptr ? d.release(dialog, p) : TB_FACE_STAY_OPEN;
            if (result != TB_FACE_STAY_OPEN) {
                tb_EndDialog(dialog, result);
            } else {
                // The release may have changed what is active under the pointer.
                choose_pointer(d, dialog, p);
            }
            return 1;
        }
        case TB_WM_MOUSEWHEEL:
            if (d.wheel == nullptr) return 0;
            d.wheel(dialog, p, static_cast<int32_t>(wParam));
            return 1;
        case TB_WM_KEYDOWN:
            if (d.key == nullptr) return 0;
            d.key(dialog, static_cast<int32_t>(wParam), static_cast<int32_t>(lParam));
            return 1;
        case TB_WM_CHAR:
            if (d.typed == nullptr) return 0;
            d.typed(dialog, static_cast<uint32_t>(wParam));
            return 1;
        case TB_WM_TIMER:
            if (d.timer == nullptr) return 0;
            d.timer(dialog, static_cast<int32_t>(wParam));
            return 1;
        default:
            return 0;  // Escape (the cancel command) ends the dialog with 0
    }
}

}  // namespace

int32_t tb_RunFaceDialog(const TbFaceDialog& dialog) {
    const TbFaceDialog* outer = g_running;
    g_running = &dialog;
    const int32_t result = tb_DoDialog(dialog.templateId, face_proc);
    g_running = outer;
    return result;
}
