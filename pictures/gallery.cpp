// The gallery dialog: a picture frame on a gallery wall. The file's name runs along the strip
// at the top, the picture fills the frame (stretched to it), the arrows step through the
// folder's pictures, the little card says the file's whole name, the tick opens the picture
// and the cross closes the gallery. The picture is read from its file at every redraw.
// Coordinates are dialog pixels; rectangles hold their left and top edges only.
#include "pictures/gallery.h"

#include <cstring>
#include <string>

#include "pictures/dialog_art.h"
#include "pictures/display_text.h"
#include "pictures/documents.h"
#include "pictures/gallery_list.h"
#include "pictures/picture_files.h"
#include "resources/resource_ids.h"
#include "scene/scene_state.h"
#include "toolbox/toolbox.h"

namespace {

constexpr Rect kNameStrip{5, 5, 403, 23};
constexpr Rect kPreview{64, 44, 344, 261};
constexpr Rect kOpen{161, 366, 206, 412};
constexpr Rect kCancel{207, 366, 252, 412};
constexpr Rect kPrevious{47, 372, 101, 408};
constexpr Rect kNext{308, 372, 362, 408};
constexpr Rect kNameButton{370, 229, 397, 249};
constexpr int32_t kCentreX = 204;  // of the dialog and its strip and preview
constexpr int32_t kPreviewMiddleY = 152;
constexpr int16_t kTextSize = 12;
constexpr size_t kLongestNameShown = 80;  // characters of a name in the name card's message

constexpr const char* kNoPictures = "There are no images in the Gallery.";
constexpr const char* kCannotPreview = "Incompatible format; can't preview image";

BitmapRef g_background = -1;  // picture resource 801, for drawing on and for patching back

bool inside(const Rect& r, Point p) { return tb_PtInRect(p.x, p.y, &r) != 0; }

bool entry_present(int32_t i) {
    return i >= 0 && i < kGalleryCapacity && g_galleryList.entries[i].present != 0;
}
bool shows_entry() { return entry_present(g_galleryPosition); }
bool previous_active() { return g_galleryPosition > 0 && entry_present(g_galleryPosition - 1); }
bool next_active() {
    return g_galleryPosition < g_galleryList.count - 1 && entry_present(g_galleryPosition + 1);
}

const char* shown_name() { return g_galleryList.entries[g_galleryPosition].name; }

// The full path of an entry's file: the browse folder and the name. Not held in a path buffer,
// so a long name still opens.
std::string entry_path(int32_t i) {
    return std::string(g_browseFolder) + (entry_present(i) ? g_galleryList.entries[i].name : "");
}

// Active areas: where the pointer turns to the pointing hand and a press clicks.
bool active(Point p) {
    return inside(kOpen, p) || inside(kCancel, p) || (previous_active() && inside(kPrevious, p)) ||
           (next_active() && inside(kNext, p)) ||
           (shows_entry() && (inside(kNameButton, p) || inside(kPreview, p)));
}

// ---- Drawing ------------------------------------------------------------------------------

void show_background_part(NativeWindow dialog, const Rect& r) {
    if (g_background >= 0) tb_CopyBitmapToHwnd(dialog, g_background, &r, &r);
}

// Text on a fresh copy of the background, then the given part of it shown.
void show_text_over_background(NativeWindow dialog, const std::string& text, int16_t style,
                               uint32_t grey, int32_t y, const Rect& part) {
    BitmapRef work = dialog_picture(kBitmapGallery);
    if (work < 0) return;
    tb_SetFontFace(work, 0);
    tb_SetFontSize(work, kTextSize);
    tb_SetFontStyle(work, style);
    tb_SetForeColor(work, grey, grey, grey);
    std::string fitted = cut_to_width(work, text, part.right - part.left - 8);
    tb_DrawText(work, kCentreX, y, fitted.c_str(), static_cast<int32_t>(fitted.size()), 0, 1, 2, 2);
    tb_CopyBitmapToHwnd(dialog, work, &part, &part);
    tb_DisposeBitmap(work);
}

void show_message(NativeWindow dialog, const char* text) {
    show_text_over_background(dialog, text, 0, 65025, kPreviewMiddleY - kTextSize / 2, kPreview);
}

void show_name(NativeWindow dialog) {
    const char* name = shown_name();
    const size_t length = std::strlen(name);
    const std::string stem = displayable(name, length >= 4 ? length - 4 : 0);  // without ".bmp"
    const int32_t middle = (kNameStrip.top + kNameStrip.bottom) / 2;
    show_text_over_background(dialog, stem, 1, 0, middle - 6, kNameStrip);
}

void show_preview(NativeWindow dialog) {
    BitmapRef picture = read_picture_file(entry_path(g_galleryPosition).c_str());
    if (picture < 0) {
        show_message(dialog, kCannotPreview);
        return;
    }
    Rect whole;
    tb_GetBitmapRect(picture, &whole);
    tb_CopyBitmapToHwnd(dialog, picture, &whole, &kPreview);
    tb_DisposeBitmap(picture);
}

void show_arrow(NativeWindow dialog, bool active, int32_t id, const Rect& r) {
    if (active)
        show_dialog_picture(dialog, id, r.left, r.top);
    else
        show_background_part(dialog, r);
}

void draw_gallery(NativeWindow dialog) {
    if (!shows_entry()) {
        show_message(dialog, kNoPictures);
        return;
    }
    show_arrow(dialog, g_galleryPosition > 0, kBitmapGalleryArrowBack, kPrevious);
    show_arrow(dialog, g_galleryPosition < g_galleryList.count - 1, kBitmapGalleryArrowForward,
               kNext);
    show_name(dialog);
    show_preview(dialog);
}

void paint(NativeWindow dialog) {
    if (g_background >= 0) tb_ShowDialogFace(dialog, g_background);
    draw_gallery(dialog);
}

// ---- Input --------------------------------------------------------------------------------

void tell_name() {
    std::string name = cut_to_characters(displayable(shown_name()), kLongestNameShown);
    std::string text = "This picture file is named " + name + ".";
    tb_Information(text.c_str());
}

// A release: -1 cancel, 1 open, or stay open (the arrows and the name card act here).
int32_t release(NativeWindow dialog, Point p) {
    if (inside(kCancel, p)) return -1;
    if (inside(kOpen, p)) return 1;
    if (next_active() && inside(kNext, p)) {
        ++g_galleryPosition;
        draw_gallery(dialog);
    }
    if (previous_active() && inside(kPrevious, p)) {
        --g_galleryPosition;
        draw_gallery(dialog);
    }
    if (shows_entry() && inside(kNameButton, p)) tell_name();
    if (shows_entry() && inside(kPreview, p)) return 1;
    return TB_FACE_STAY_OPEN;
}

// The chosen entry into the picture. Its path becomes the picture's path, whether or not it
// could be read; a path too long for that keeps just the file's name.
void open_chosen() {
    const std::string path = entry_path(g_galleryPosition);
    BitmapRef picture = read_picture_file(path.c_str());
    const char* slash = std::strrchr(path.c_str(), '/');
    const char* name = slash != nullptr ? slash + 1 : path.c_str();
    const char* kept = path.size() < sizeof g_pictureFileName ? path.c_str() : name;
    if (std::strlen(kept) < sizeof g_pictureFileName) {
        std::memcpy(g_pictureFileName, kept, std::strlen(kept) + 1);
    }
    if (picture < 0) {
        tb_Attention("Could not open selected file.");
        return;
    }
    place_picture(picture);
    tb_DisposeBitmap(picture);
}

}  // namespace

int32_t gallery_run() {
    gallery_enumerate(g_browseFolder);
    if (!shows_entry()) g_galleryPosition = 0;
    g_background = dialog_picture(kBitmapGallery);
    const TbFaceDialog dialog{.templateId = kDialogBlank,
                              .width = kBitmapGallerySize.width,
                              .height = kBitmapGallerySize.height,
                              .paint = paint,
                              .release = release,
                              .active = active};
    const int32_t result = tb_RunFaceDialog(dialog);
    if (g_background >= 0) tb_DisposeBitmap(g_background);
    g_background = -1;
    if (result != 1) return result;
    if (g_pictureModified == 1 && !offer_to_save(kSaveBeforeOpening)) return -1;
    g_pictureModified = 0;
    open_chosen();
    return 1;
}
