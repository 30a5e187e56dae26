// The commands on the one picture the program holds. Each that puts the picture aside (Quit,
// New, Open, and choosing in the gallery) first asks whether to save a modified picture, and
// stops when that save fails, so a picture is never lost to a full disk or a locked folder.
#include "pictures/commands.h"

#include <cstring>

#include "pictures/about_box.h"
#include "pictures/bmp_reader.h"
#include "pictures/documents.h"
#include "pictures/file_dialogs.h"
#include "pictures/gallery.h"
#include "pictures/help.h"
#include "pictures/picture_files.h"
#include "pictures/preferences_dialog.h"
#include "pictures/remote_control.h"
#include "resources/resource_ids.h"
#include "scene/scene_draw.h"
#include "shell/preferences.h"

namespace {

// The whole room drawn afresh with the picture in it, and shown.
void recompose_window() { scene_compose(true, true, true); }

void quit() {
    if (g_pictureModified == 1 && !offer_to_save(kSaveBeforeQuitting)) return;
    tb_Shutdown();
}

void save() {
    if (!browse_gallery()) return;
    std::memcpy(g_dialogFolder, g_browseFolder, kPathSize);
    if (save_current_picture() == SaveResult::Saved) g_pictureModified = 0;
}

// The colouring pages in the gallery; the gallery goes back to where it was afterwards.
void offer_colouring_pages() {
    char pages[kPathSize];
    if (!home_subfolder("Pages", pages)) return;
    char keptFolder[kPathSize];
    std::memcpy(keptFolder, g_browseFolder, kPathSize);
    const int32_t keptPosition = g_galleryPosition;
    std::memcpy(g_browseFolder, pages, kPathSize);
    g_galleryPosition = 0;
    const int32_t result = gallery_run();
    std::memcpy(g_browseFolder, keptFolder, kPathSize);
    g_galleryPosition = keptPosition;
    if (result == 1) recompose_window();
}

void start_new() {
    if (g_zoomed != 0) {
        g_zoomed = 0;
        scene_draw_magnifier();
        scene_show_rect(g_layout.magnifier);
        scene_show_picture_area();
    }
    if (g_pictureModified == 1 && !offer_to_save(kSaveBeforeNew)) return;
    g_pictureModified = 0;
    scene_clear_picture();
    scene_save_undo();
    g_undoAvailable = 0;
    offer_colouring_pages();
}

void open() {
    if (g_pictureModified == 1 && !offer_to_save(kSaveBeforeOpening)) return;
    g_pictureModified = 0;
    if (!browse_gallery()) return;
    std::memcpy(g_dialogFolder, g_browseFolder, kPathSize);
    if (open_dialog(g_pictureFileName) != FileDialogResult::Ready) return;
    Rect size;
    BitmapRef image = read_bmp_picture(&size);
    tb_CloseFile();
    if (image < 0) {
        tb_Attention("Incompatible File: The file must be in Windows BMP 24bpp format");
        return;
    }
    place_picture(image);
    recompose_window();
    tb_DisposeBitmap(image);
    scene_save_undo();
}

void preferences() {
    if (preferences_dialog_run() != 1) return;
    scene_draw_speaker();
    Rect around = g_layout.speaker;
    tb_InsetRect(&around, -4, -4);
    scene_show_rect(around);
    preferences_save();
}

void gallery() {
    if (!browse_gallery()) return;
    if (gallery_run() == 1) recompose_window();
}

}  // namespace

void do_command(int32_t command) {
    switch (command) {
        case -1: {
            const int32_t chosen = remote_control_run();
            tb_SetCursor(kCursorArrow);
            if (chosen >= 0) do_command(chosen);
            break;
        }
        case 0:
            quit();
            break;
        case 1:
            save();
            break;
        case 2:
            start_new();
            break;
        case 3:
            open();
            break;
        case 4:
            about_show();
            break;
        case 5:
            help_show();
            break;
        case 6:
            preferences();
            break;
        case 7:
            gallery();
            break;
        default:
            break;
    }
}
