// The only part of printing that knows the scene and the settings.
#include "print/print_picture.h"

#include "print/page_layout.h"
#include "print/print_job.h"
#include "shell/preferences.h"
#include "tools/scene_services.h"

void print_picture() {
    // A click on the print button while a job is still going out (after a cancel the room
    // answers again before the printer has let go) starts nothing.
    static bool printing = false;
    if (printing || start_print_job() < 0) return;
    printing = true;
    const int32_t width = tb_GetBitmapWidth(g_pictureBitmap);
    const int32_t height = tb_GetBitmapHeight(g_pictureBitmap);
    Rect picture{0, 0, width, height};
    BitmapRef work = tb_CreateBitmap(&picture, -1, 24);
    Rect page = print_page_rect();
    Rect target =
        printed_picture_rect(width, height, page.right - page.left, page.bottom - page.top);
    if (work < 0) tb_EndPrintAbort();  // nothing to print: the job is abandoned
    start_print_page();
    if (work >= 0) {
        tb_CopyBitmap(g_pictureBitmap, work, &picture, &picture, 0);
        if (g_prefs.lightPrinting != 0) blank_checkerboard(work);
        tb_CopyBitmap(work, TB_PRINTER, &picture, &target, 0);
    }
    end_print_page();
    end_print_job();
    if (work >= 0) tb_DisposeBitmap(work);
    printing = false;
}
