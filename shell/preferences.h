// The four settings that survive between runs, in "qoxtmr10.pfs" in the settings folder:
// 276 bytes, little-endian: sound, fit, animated clearing, 260 reserved bytes, light printing.
#pragma once

#include <cstdint>
#include <string>

struct Preferences {
    int32_t soundOn = 1;
    int32_t fitPictures = 1;
    int32_t animatedClearing = 1;
    int32_t lightPrinting = 1;
};

extern Preferences g_prefs;

constexpr int32_t kPreferencesFileSize = 276;

void preferences_set_defaults();
// Reads the file over the current settings; a missing or unreadable file brings the defaults
// back and is written anew. Never reports anything.
void preferences_load();
// Writes the file from the current settings, through a temporary file in the same folder so
// that a failure never leaves half a file behind. A settings file that is a symbolic link is
// written through to the file it leads to; a folder, device or pipe there is never replaced.
// Returns false when nothing was written (the settings then stay in memory for the run).
bool preferences_save();
// The settings file's path; empty when the user has no settings folder at all.
std::string preferences_path();
