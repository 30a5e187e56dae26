// The user's Tintamar folder: where pictures are saved (Gallery/) and colouring pages are kept
// (Pages/). The program works in it: it is the home folder every path is built from.
#pragma once

#include <string>

// The environment variable that names another Tintamar folder (for tests, and for a family
// that keeps its pictures elsewhere).
constexpr const char* kFolderVariable = "TINTAMAR_FOLDER";

// Where the folder lies: $TINTAMAR_FOLDER when set (a relative path counts from the current
// folder); otherwise "Tintamar" in the desktop's pictures folder (`xdg-user-dir PICTURES`); and
// when the desktop names none, ~/Pictures/Tintamar.
std::string user_folder_path();

// Makes the folder ready and moves the program into it: the folder, its Gallery/ and Pages/ are
// created when missing, and each colouring page of pagesSource (a folder of the program's data)
// that Pages/ lacks is copied there; pages already there, a child's own among them, are kept.
// False, after a notice, when the folder cannot be made, used, or named in a path buffer: the
// program then stays where it was started.
bool user_folder_prepare(const std::string& folder, const std::string& pagesSource);
