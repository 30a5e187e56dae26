#include "pictures/stamp_picker.h"

// FIXME: the stamp picker dialog comes with its own work; until then nothing is chosen.
int32_t stamp_picker_run(int32_t /*sheetId*/, int32_t /*maskSheetId*/, int32_t /*count*/,
                         int32_t* /*page*/) {
    return -1;
}
