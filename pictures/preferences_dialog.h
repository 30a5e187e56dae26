// The preferences dialog: four settings switched by clicking pictures.
#pragma once

#include <cstdint>

// Runs the dialog on copies of the settings. Returns 1 for OK (the settings now hold the
// choices; the caller saves them), -1 for cancel and 0 for Escape (settings unchanged).
int32_t preferences_dialog_run();
