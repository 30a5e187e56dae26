// The stamp picker dialog: pages of stamps from a stamp book's sheet, one to choose.
#pragma once

#include <cstdint>

// Shows the stamps of the sheet (picture and mask resources, `count` stamps) starting at
// *page, leaves the page last shown in *page, and returns the chosen stamp's index, or -1
// when nothing was chosen.
int32_t stamp_picker_run(int32_t sheetId, int32_t maskSheetId, int32_t count, int32_t* page);
