// The stamp picker dialog: pages of stamps from a stamp book's sheet, one to choose.
#pragma once

#include <cstdint>

// Shows the stamps of a sheet (picture and mask resources holding `count` stamps) eight at a
// time over the room, starting at the page whose first stamp is *page, and leaves the page
// last shown in *page. Returns the chosen stamp's index: the one clicked, 0 for the Escape key;
// or -1 when the book was closed without a choice. The pointer is the dialog arrow afterwards.
// The current stamp is the caller's to change.
int32_t stamp_picker_run(int32_t sheetId, int32_t maskSheetId, int32_t count, int32_t* page);
