// What a print job needs from the toolbox: the print dialog, the page behind TB_PRINTER that
// the copy and text operations draw on, the abort pump that keeps the program answering while
// the platform works, and the "Abort..." dialog.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "toolbox/internal.h"
#include "toolbox/platform.h"

using namespace tb;

namespace {

// A page is at most this many pixels at this resolution: enough for any picture a screen
// holds, and a printer that reports more, or a poster-sized paper, never makes us allocate
// hundreds of megabytes. The printer scales the page up to its own resolution.
constexpr int32_t kMaxPageResolution = 600;
constexpr double kMaxPagePixels = 36e6;   // about A4 at 600 pixels per inch
constexpr double kMaxPageSideMm = 10000;  // no paper is ten metres long

int32_t g_keepPrinting = 0;
int32_t g_mainEnabled = 1;
NativeWindow g_abortDialog = 0;

bool g_jobBegun = false;
platform::PrintPage g_page;  // at the resolution TB_PRINTER's pixels have
DibImage g_pageImage;
bool g_pageSent = false;
char g_failure[1024] = {};

bool is_input(const TbEvent& e) {
    switch (e.kind) {
        case TB_EVENT_MOUSE_MOVE:
        case TB_EVENT_BUTTON_DOWN:
        case TB_EVENT_BUTTON_UP:
        case TB_EVENT_DOUBLE_CLICK:
        case TB_EVENT_SECONDARY_DOWN:
        case TB_EVENT_KEY_DOWN:
        case TB_EVENT_TEXT:
            return true;
        default:
            return false;
    }
}

// Handles the waiting events: repaints and the like always reach the main window, input only
// while it takes input. Close and quit requests wait for the main loop: they are queued again
// once everything behind them was handled, so that they never hold the rest up.
void pump_events(bool inputAllowed) {
    TbEvent held[4];
    int32_t heldCount = 0;
    TbEvent e;
    while (platform::next_event(&e, false, 0)) {
        if (e.kind == TB_EVENT_QUIT || e.kind == TB_EVENT_CLOSE) {
            if (heldCount < 4) held[heldCount++] = e;
            continue;
        }
        if (e.kind == TB_EVENT_KEY_DOWN && e.key == TB_VK_ESCAPE && g_keepPrinting != 0) {
            if (g_abortDialog != 0) {
                tb_PrintAbortDialogProc(g_abortDialog, TB_WM_COMMAND, TB_IDCANCEL, 0);
            } else {
                g_keepPrinting = 0;
            }
            continue;
        }
        if (!is_input(e) || inputAllowed) tb_DispatchToMain(&e);
    }
    for (int32_t i = 0; i < heldCount; ++i) platform::post_event(held[i]);
}

// While the print dialog is up the main window takes no input, as under any modal dialog.
int32_t dialog_pump() {
    pump_events(false);
    return 1;
}

int32_t page_pixels(double millimetres, int32_t dpi) {
    return static_cast<int32_t>(millimetres / 25.4 * dpi);
}

platform::PrintPage within_limits(platform::PrintPage page) {
    page.dpiX = std::clamp(page.dpiX, 1, kMaxPageResolution);
    page.dpiY = std::clamp(page.dpiY, 1, kMaxPageResolution);
    for (double* side : {&page.widthMm, &page.heightMm}) {
        *side = std::isfinite(*side) ? std::clamp(*side, 0.0, kMaxPageSideMm) : 0.0;
    }
    double pixels = static_cast<double>(page_pixels(page.widthMm, page.dpiX)) *
                    static_cast<double>(page_pixels(page.heightMm, page.dpiY));
    if (pixels > kMaxPagePixels) {
        double shrink = std::sqrt(kMaxPagePixels / pixels);
        page.dpiX = std::max(1, static_cast<int32_t>(page.dpiX * shrink));
        page.dpiY = std::max(1, static_cast<int32_t>(page.dpiY * shrink));
    }
    return page;
}

void release_page() {
    if (g_printerPage == &g_pageImage) g_printerPage = nullptr;
    tb_FreeDibImage(&g_pageImage);
}

}  // namespace

void tb::reset_print_state() {
    tb_ClosePrintAbortDialog();
    release_page();
    g_keepPrinting = 0;
    g_mainEnabled = 1;
    g_jobBegun = false;
    g_page = {};
    g_pageSent = false;
}

// ---- The main window's input and the abort pump ---------------------------------------------

void tb_EnableMainWindow(int32_t enable) {
    bool wasDisabled = g_mainEnabled == 0;
    g_mainEnabled = enable != 0 ? 1 : 0;
    if (wasDisabled && g_mainEnabled != 0) {
        TbEvent expose;
        expose.kind = TB_EVENT_EXPOSE;
        platform::post_event(expose);
    }
}

int32_t tb_IsMainWindowEnabled() { return g_mainEnabled; }

void tb_BeginPrintAbort() { g_keepPrinting = 1; }

void tb_EndPrintAbort() { g_keepPrinting = 0; }

int32_t tb_PrintAborted() { return g_keepPrinting == 0 ? 1 : 0; }

int32_t tb_PrintAbortPump() {
    pump_events(g_mainEnabled != 0);
    return g_keepPrinting;
}

void tb_OpenPrintAbortDialog(int16_t templateId) {
    tb_ClosePrintAbortDialog();
    g_abortDialog = tb_CreateModelessDialog(templateId, tb_PrintAbortDialogProc);
}

void tb_ClosePrintAbortDialog() {
    if (g_abortDialog == 0) return;
    NativeWindow dialog = g_abortDialog;
    g_abortDialog = 0;
    tb_DestroyModelessDialog(dialog);
}

int32_t tb_PrintAbortDialogProc(NativeWindow dialog, int32_t message, int64_t /*wParam*/,
                                int64_t /*lParam*/) {
    if (message == TB_WM_INITDIALOG) return 1;  // its frame has no working close button
    if (message != TB_WM_COMMAND) return 0;
    g_keepPrinting = 0;
    tb_EnableMainWindow(1);
    if (dialog == g_abortDialog) tb_ClosePrintAbortDialog();
    return 1;
}

// ---- The job -----------------------------------------------------------------------------------

int32_t tb_PrintDialog(int32_t* error) {
    if (error != nullptr) *error = 0;
    if (g_jobBegun) return 0;  // one job at a time
    platform::PrintPage page;
    int32_t code = 0;
    int32_t chosen = platform::print_begin(&page, &code, dialog_pump);
    if (error != nullptr) *error = chosen == 1 ? 0 : code;
    if (chosen != 1) return 0;
    g_jobBegun = true;
    g_pageSent = false;
    g_failure[0] = 0;
    g_page = within_limits(page);
    return 1;
}

void tb_GetPrinterPageSize(double* widthMm, double* heightMm, int32_t* dpiX, int32_t* dpiY) {
    platform::PrintPage none;
    const platform::PrintPage& p = g_jobBegun ? g_page : none;
    *widthMm = p.widthMm;
    *heightMm = p.heightMm;
    *dpiX = p.dpiX;
    *dpiY = p.dpiY;
}

void tb_StartPage() {
    if (!g_jobBegun || g_pageSent) return;  // one page a job
    release_page();
    int32_t width = page_pixels(g_page.widthMm, g_page.dpiX);
    int32_t height = page_pixels(g_page.heightMm, g_page.dpiY);
    tb_CreateSection24(&g_pageImage, width, height);
    if (g_pageImage.header == nullptr) return;  // nothing to draw on; the page stays blank
    // Paper is white: every byte of every row, padding included.
    std::memset(g_pageImage.pixels, 0xFF,
                static_cast<size_t>(tb_StorageWidth(24, width)) * static_cast<size_t>(height));
    g_printerPage = &g_pageImage;
}

void tb_EndPage() {
    if (!g_jobBegun || g_printerPage == nullptr) return;
    g_pageSent = true;
    platform::print_page(*g_printerPage, g_page, tb_PrintAbortPump);
    // The page stays alive: the platform may draw it again for further copies.
}

const char* tb_EndDoc() {
    if (!g_jobBegun) return nullptr;
    bool abandon = g_keepPrinting == 0 || !g_pageSent;
    platform::print_end(abandon, tb_PrintAbortPump, g_failure, sizeof g_failure);
    release_page();
    g_jobBegun = false;
    g_page = {};
    return g_failure[0] != 0 ? g_failure : nullptr;
}

DibImage* tb_GetPrinterDC() { return g_printerPage; }
