// Pictures of the custom-drawn dialogs, ready to draw on and to show.
#pragma once

#include <cstdint>

#include "toolbox/toolbox.h"

// A new 24-bit bitmap of picture resource id, with no clip left over from its slot's last
// user, so that anything may be drawn on all of it. The caller disposes of it; -1 when it
// cannot be made.
BitmapRef dialog_picture(int32_t id);

// Shows picture resource id on the dialog at its own size, its top-left corner at (x, y)
// (dialog pixels).
void show_dialog_picture(NativeWindow dialog, int32_t id, int32_t x, int32_t y);
