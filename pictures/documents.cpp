#include "pictures/documents.h"

#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>

#include "pictures/display_text.h"
#include "scene/scene_state.h"

char g_browseFolder[kPathSize] = "";
char g_dialogFolder[kPathSize] = "";
int32_t g_galleryPosition = 0;

void tell_path_too_long(const char* path) {
    std::string text =
        "This folder or file name is too long for Tintamar, which can use names of at most " +
        std::to_string(kPathSize - 1) + " characters:\n\n" +
        cut_to_characters(displayable(path), 300);
    tb_Attention(text.c_str());
}

bool copy_path(char* out, const char* path) {
    size_t length = std::strlen(path);
    if (length >= kPathSize) {
        tell_path_too_long(path);
        return false;
    }
    std::memcpy(out, path, length + 1);
    return true;
}

bool home_subfolder(const char* folder, char* out) {
    if (g_homeFolder[0] == 0) {
        tb_Attention("Tintamar has no folder for its pictures, so it cannot save or open them.");
        return false;
    }
    std::string path = std::string(g_homeFolder) + "/" + folder + "/";
    return copy_path(out, path.c_str());
}

bool browse_gallery() {
    char folder[kPathSize];
    if (!home_subfolder("Gallery", folder)) return false;
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    std::memcpy(g_browseFolder, folder, kPathSize);
    return true;
}
