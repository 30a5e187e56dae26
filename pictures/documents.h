// The picture document's folders: what the gallery lists and where the file dialogs start,
// built from the home folder (g_homeFolder, the user's Tintamar folder). The picture's own path
// (g_pictureFileName) and its modified flag (g_pictureModified) live with the scene.
#pragma once

#include <cstddef>
#include <cstdint>

// Every path of the documents fits in one of these; a longer path is refused with a notice,
// never cut.
constexpr size_t kPathSize = 256;

extern char g_browseFolder[kPathSize];  // what the gallery lists, ending in "/"
extern char g_dialogFolder[kPathSize];  // where the file dialogs start; empty until Save or Open
extern int32_t g_galleryPosition;       // the gallery's entry on show

// Copies path into a path buffer. False, after a notice that names the path, when it does not
// fit: nothing is copied then.
bool copy_path(char* out, const char* path);
// The notice for a path too long for the path buffers.
void tell_path_too_long(const char* path);

// out := the home folder, "/", folder and "/" ("Gallery" gives ".../Tintamar/Gallery/"). False
// after a notice when there is no home folder or the path does not fit.
bool home_subfolder(const char* folder, char* out);

// The browse folder becomes the home folder's "Gallery/", which is created when missing (a
// failure to create it shows later, when something is saved there). False after a notice, with
// the browse folder unchanged, when the path does not fit.
bool browse_gallery();
