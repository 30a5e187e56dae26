// The picture and its files: saving it, the save question of the commands that put it aside,
// reading a picture file and placing it into the picture.
#pragma once

#include "toolbox/toolbox.h"

constexpr const char* kSaveBeforeQuitting =
    "Do you want to save the current picture before quitting?";
constexpr const char* kSaveBeforeNew =
    "Do you want to save the current picture before starting a new one?";
constexpr const char* kSaveBeforeOpening =
    "Do you want to save the current picture before opening a new one?";

enum class SaveResult { Saved, Cancelled, Failed };

// The save dialog, then the picture written whole into the chosen file. Failed after a notice
// (no chooser, a name too long, a folder that takes no files, a full disk): any earlier file of
// that name is left as it was. The modified flag is the caller's.
SaveResult save_current_picture();

// Asks the question; on Yes, saves. False when the save failed: the caller must stop rather
// than put the picture aside. A save the user cancels lets the caller go on.
bool offer_to_save(const char* question);

// The notice for a picture that could not be saved at path, with the system's reason (errno).
void tell_save_failed(const char* path, int error);

// Reads a picture file: open, read, close. A new 24-bit bitmap that the caller disposes of, or
// -1 when the file cannot be opened or is no picture the reader takes.
BitmapRef read_picture_file(const char* path);

// Puts a loaded picture into the picture bitmap: stretched over all of it when fitting is on,
// else at its own size, centred on white (cut at the edges when larger). Shows nothing.
void place_picture(BitmapRef image);
