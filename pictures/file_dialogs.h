// The save and open dialogs: the desktop's file chooser with the program's one filter, opening
// the chosen file on the toolbox's byte stream for the caller to write or read and close.
#pragma once

enum class FileDialogResult {
    Ready,      // the file is open on the byte stream
    Cancelled,  // the user closed the chooser without a file
    Failed,     // a notice told why: no chooser, a path too long, a file that cannot be made
};

// "Save As", starting in the dialog folder and proposing the part of path behind its last "/".
// A chosen name without an ending gets ".bmp". On a choice the chosen path replaces path (a
// path buffer, kPathSize) and the file is opened for writing, replacing any file of that name
// once the caller closes it after writing it whole.
FileDialogResult save_dialog(char* path);

// "Open", starting in the dialog folder. On a choice the chosen path replaces path and the file
// is opened for reading. A file that cannot be opened gives Cancelled, without a word, as a
// file the user did not mean.
FileDialogResult open_dialog(char* path);
