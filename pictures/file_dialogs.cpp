#include "pictures/file_dialogs.h"

#include <cstring>
#include <string>

#include "pictures/display_text.h"
#include "pictures/documents.h"
#include "pictures/picture_files.h"

namespace {

constexpr const char* kFilterLabel = "QOX, Tintamar 1.0 (*.bmp)";
constexpr const char* kFilterPattern = "*.bmp";

const char* name_part(const char* path) {
    const char* slash = std::strrchr(path, '/');
    return slash != nullptr ? slash + 1 : path;
}

// Runs the chooser; Ready with the chosen path in chosen (a path buffer).
FileDialogResult choose(int32_t mode, const char* title, const char* proposed, char* chosen) {
    int32_t length = tb_ChooseFile(mode, title, kFilterLabel, kFilterPattern, g_dialogFolder,
                                   proposed, static_cast<int32_t>(kPathSize), chosen);
    if (length == 0) return FileDialogResult::Cancelled;
    if (length < 0) {
        tb_Attention("The window for choosing a file could not be opened on this screen.");
        return FileDialogResult::Failed;
    }
    if (length >= static_cast<int32_t>(kPathSize)) {
        tb_Attention(
            "The chosen folder or file name is too long for Tintamar, which can use names of at "
            "most 255 characters. Please choose a shorter one.");
        return FileDialogResult::Failed;
    }
    return FileDialogResult::Ready;
}

// The classic default ending: a name typed without one is saved as a picture file.
bool add_default_ending(char* path) {
    if (std::strchr(name_part(path), '.') != nullptr) return true;
    std::string withEnding = std::string(path) + ".bmp";
    return copy_path(path, withEnding.c_str());
}

}  // namespace

FileDialogResult save_dialog(char* path) {
    std::string proposed = displayable(name_part(path));
    char chosen[kPathSize];
    FileDialogResult result = choose(TB_CHOOSE_SAVE, "Save As", proposed.c_str(), chosen);
    if (result != FileDialogResult::Ready) return result;
    if (!add_default_ending(chosen)) return FileDialogResult::Failed;
    std::memcpy(path, chosen, kPathSize);
    if (tb_OpenFileForWriting(path) == 0) {
        tell_save_failed(path, tb_GetFileError());
        return FileDialogResult::Failed;
    }
    return FileDialogResult::Ready;
}

FileDialogResult open_dialog(char* path) {
    char chosen[kPathSize];
    FileDialogResult result = choose(TB_CHOOSE_OPEN, "Open", "", chosen);
    if (result != FileDialogResult::Ready) return result;
    std::memcpy(path, chosen, kPathSize);
    return tb_OpenFileForReading(path) != 0 ? FileDialogResult::Ready : FileDialogResult::Cancelled;
}
