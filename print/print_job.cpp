#include "print/print_job.h"

#include <string>

#include "resources/resource_ids.h"

namespace {

struct PrintError {
    int32_t code;
    const char* message;
};

constexpr PrintError kPrintErrors[] = {
    {1, "Structure size bad"},
    {2, "Failed to Initialize printer"},
    {3, "No template"},
    {4, "No instance"},
    {5, "Failed to load string"},
    {6, "Failed to find resource"},
    {7, "Failed to load resource"},
    {8, "Failed to lock resource"},
    {9, "Failed to allocate memory"},
    {10, "Failed to lock memory"},
    {11, "No hook"},
    {0x1002, "Parse failure"},
    {0x1003, "RetDef failure"},
    {0x1004, "Failed to load driver"},
    {0x1005, "Failed to get device mode"},
    {0x1006, "Failed to init"},
    {0x1007, "No devices"},
    {0x1008, "No default printer"},
    {0x1009, "DNDM Mismatch"},
    {0x100a, "Failed to create Information Context"},
    {0x100b, "Printer not Found"},
    {0x100c, "Different Defaults"},
};

PageMargins g_pageMargins;  // the whole printable area is used

int32_t truncated(double value) { return static_cast<int32_t>(value); }

}  // namespace

const char* print_error_message(int32_t code) {
    for (const PrintError& e : kPrintErrors) {
        if (e.code == code) return e.message;
    }
    return nullptr;
}

Rect page_rectangle(double widthMm, double heightMm, int32_t dpiX, int32_t dpiY,
                    const PageMargins& margins) {
    double widthInches = widthMm / 25.4;
    double heightInches = heightMm / 25.4;
    return Rect{truncated(margins.left / 1000.0 * dpiX), truncated(margins.top / 1000.0 * dpiY),
                truncated((widthInches - margins.right / 1000.0) * dpiX),
                truncated((heightInches - margins.bottom / 1000.0) * dpiY)};
}

TargetRef start_print_job() {
    int32_t error = 0;
    int32_t chosen = tb_PrintDialog(&error);
    if (const char* message = print_error_message(error)) {
        tb_Attention(message);
        chosen = 0;
    }
    if (chosen == 0) {
        tb_EndPrintAbort();
        return -1;
    }
    tb_BeginPrintAbort();
    tb_EnableMainWindow(0);
    tb_OpenPrintAbortDialog(kDialogPrintAbort);  // the "Abort..." window
    return TB_PRINTER;
}

Rect print_page_rect() {
    double widthMm = 0, heightMm = 0;
    int32_t dpiX = 0, dpiY = 0;
    tb_GetPrinterPageSize(&widthMm, &heightMm, &dpiX, &dpiY);
    return page_rectangle(widthMm, heightMm, dpiX, dpiY, g_pageMargins);
}

void start_print_page() {
    if (tb_PrintAborted() == 0) tb_StartPage();
}

void end_print_page() {
    if (tb_PrintAborted() == 0) tb_EndPage();
}

void end_print_job() {
    // The job goes out while the "Abort..." window is still up: with GTK, sending happens
    // when the document ends, and that is when a long job takes its time.
    const char* failure = tb_EndDoc();
    std::string notice = failure != nullptr ? failure : "";
    tb_EndPrintAbort();
    tb_ClosePrintAbortDialog();
    tb_EnableMainWindow(1);
    // A job the printer refused must not pass for a printed page.
    if (!notice.empty()) tb_Attention(("The picture could not be printed:\n" + notice).c_str());
}
