// The print job of the print button: the print dialog and its errors, the page the printer
// offers, and the "Abort..." window while the job goes out. One job at a time.
#pragma once

#include <cstdint>

#include "toolbox/toolbox.h"

// Page margins in thousandths of an inch.
struct PageMargins {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
};

// The message that a print-dialog error code shows, or null for codes that show nothing.
const char* print_error_message(int32_t code);

// The part of a page that may be printed on, in printer pixels: the printable area (in
// millimetres) at the resolution (pixels per inch), less the margins, each edge truncated.
Rect page_rectangle(double widthMm, double heightMm, int32_t dpiX, int32_t dpiY,
                    const PageMargins& margins);

// Runs the print dialog. When the user chose to print, printing may go on, the room takes no
// input and the "Abort..." window is up: returns TB_PRINTER. Otherwise returns -1 (cancelled,
// or the dialog's failure was shown).
TargetRef start_print_job();
// The rectangle of the job's page (page_rectangle with the job's margins).
Rect print_page_rect();
// Start and end the page; each does nothing once printing may not go on.
void start_print_page();
void end_print_page();
// Ends the job, sent or abandoned after a cancel; the room takes input again and the
// "Abort..." window is gone. A job the printer did not take is reported in a notice.
void end_print_job();
