// What a print job needs from the toolbox: the page behind TB_PRINTER and the abort pump
// that keeps the program answering while pages are made.
#include "toolbox/internal.h"
#include "toolbox/platform.h"

using namespace tb;

namespace {
int32_t g_keepPrinting = 0;
}

void tb_SetPrinterPage(DibImage* page) { g_printerPage = page; }

DibImage* tb_GetPrinterDC() { return g_printerPage; }

void tb_BeginPrintAbort() { g_keepPrinting = 1; }

void tb_CancelPrinting() { g_keepPrinting = 0; }

void tb_EndPrintAbort() { g_keepPrinting = 0; }

int32_t tb_PrintAbortPump() {
    TbEvent e;
    while (platform::next_event(&e, false, 0)) {
        if (e.kind == TB_EVENT_KEY_DOWN && e.key == TB_VK_ESCAPE) {
            tb_CancelPrinting();
        } else if (e.kind == TB_EVENT_QUIT || e.kind == TB_EVENT_CLOSE) {
            platform::post_event(e);
            break;
        } else {
            tb_DispatchToMain(&e);
        }
    }
    return g_keepPrinting;
}

int32_t tb_PrintAborted() { return g_keepPrinting == 0 ? 1 : 0; }
