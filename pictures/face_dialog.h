// The custom-drawn dialogs over the room (remote control, preferences, gallery, About): a
// dialog of a fixed size centred on the main window, whose face the dialog draws itself, with
// active areas that take the pointing hand and click when pressed. Dialog pixels throughout.
#pragma once

#include <cstdint>

#include "toolbox/toolbox.h"

struct FaceDialog {
    int16_t templateId;  // the blank template, or the About box's
    int32_t width;
    int32_t height;
    // Draws the whole face (and again whenever the dialog is painted).
    void (*paint)(NativeWindow dialog);
    // Whether a point lies on an active area: the pointing hand there, the arrow elsewhere.
    bool (*active)(Point p);
    // A press (or the second press of a double-click); null: the options click sounds over an
    // active area.
    void (*press)(NativeWindow dialog, Point p);
    // A release: the result that ends the dialog, or 0 to stay open.
    int32_t (*release)(NativeWindow dialog, Point p);
};

// Runs the dialog until release gives a result or Escape (0), and
// returns it. Dialogs may open others from inside their handlers.
int32_t run_face_dialog(const FaceDialog& dialog);
