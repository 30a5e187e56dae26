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
// Writes the file from the current settings, through a temporary file so that a failure
// never leaves half a file behind. Returns false when it could not be written.
bool preferences_save();
std::string preferences_path();
