// What the input dispatch asks of the commands and dialogs that sit above the scene (the remote
// control's commands, printing, the text tool, the stamp picker). The shell fills the slots at
// start-up; until then, and in tests that leave them alone, each does nothing and chooses
// nothing.
#pragma once

#include <cstdint>

struct SceneHooks {
    // Runs a command: 0 Quit, 1 Save, 2 New, 3 Open, 4 About, 5 Help, 6 Preferences, 7 Gallery;
    // -1 asks the remote control for one.
    void (*runCommand)(int32_t command);
    // Prints the picture (the print button).
    void (*printPicture)();
    // The text dialog: 1 OK, -1 cancel, 0 Escape.
    int32_t (*runTextDialog)();
    // Moves the text preview to window point (x, y): what the last one covered is shown from
    // the picture again and the text drawn straight on the window.
    void (*drawTextPreview)(int32_t x, int32_t y);
    // The text stamped into the picture at picture point (x, y).
    void (*stampText)(int32_t x, int32_t y);
    // The stamp picker on a sheet (picture and mask resources, `count` stamps), starting at and
    // leaving *page; the chosen stamp's index or -1.
    int32_t (*runStampPicker)(int32_t sheetId, int32_t maskSheetId, int32_t count, int32_t* page);
};

extern SceneHooks g_sceneHooks;
