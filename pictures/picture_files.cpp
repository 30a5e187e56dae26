#include "pictures/picture_files.h"

#include <cerrno>
#include <cstring>
#include <string>

#include "pictures/bmp_reader.h"
#include "pictures/display_text.h"
#include "pictures/documents.h"
#include "pictures/file_dialogs.h"
#include "scene/scene_state.h"
#include "shell/preferences.h"

void tell_save_failed(const char* path, int error) {
    std::string text = "The picture could not be saved as\n" +
                       cut_to_characters(displayable(path), 300) + "\n(" +
                       displayable(std::strerror(error != 0 ? error : EIO)) +
                       ").\n\nThe picture is still here: try again, or save it in another folder.";
    tb_Attention(text.c_str());
}

SaveResult save_current_picture() {
    FileDialogResult chosen = save_dialog(g_pictureFileName);
    if (chosen == FileDialogResult::Cancelled) return SaveResult::Cancelled;
    if (chosen == FileDialogResult::Failed) return SaveResult::Failed;
    bool written = tb_WriteBitmapToFile(g_pictureBitmap) == 1;
    int error = tb_GetFileError();
    // Closing puts the new file in the old one's place only when every byte was written.
    bool closed = tb_CloseFile() == 1;
    if (written && closed) return SaveResult::Saved;
    tell_save_failed(g_pictureFileName, written ? tb_GetFileError() : error);
    return SaveResult::Failed;
}

bool offer_to_save(const char* question) {
    if (tb_AskYesNo(question) != 1) return true;
    return save_current_picture() != SaveResult::Failed;
}

BitmapRef read_picture_file(const char* path) {
    if (tb_OpenFileForReading(path) == 0) return -1;
    Rect size;
    BitmapRef image = read_bmp_picture(&size);
    tb_CloseFile();
    return image;
}

void place_picture(BitmapRef image) {
    Rect from;
    tb_GetBitmapRect(image, &from);
    const int32_t pw = scene_picture_width();
    const int32_t ph = scene_picture_height();
    Rect whole{0, 0, pw, ph};
    if (g_prefs.fitPictures != 0) {
        tb_CopyBitmap(image, g_pictureBitmap, &from, &whole, 0);
        return;
    }
    tb_SetForeColor(g_pictureBitmap, 65025, 65025, 65025);
    tb_PaintRect(g_pictureBitmap, &whole);
    const int32_t w = from.right - from.left;
    const int32_t h = from.bottom - from.top;
    const int32_t left = pw / 2 - w / 2;
    const int32_t top = ph / 2 - h / 2;
    Rect centred{left, top, left + w, top + h};
    tb_CopyBitmap(image, g_pictureBitmap, &from, &centred, 0);
}
