// The text dialog: where the child types the line, picks a font family from the list, one of
// three styles and one of five sizes, and sees a live sample on the chalkboard.
#pragma once

#include <cstdint>

// Runs the dialog over the room: 1 OK (the settings take the dialog's choices and the line
// is measured), -1 cancel, 0 Escape (the settings stay as they were).
int32_t text_dialog_run();
