// The stamp picker: an open stamp book laid over the room, eight stamps of the sheet on its two
// pages, arrows at the top corners to turn to the stamps before and after, and a close tab.
// A release decides: a stamp is chosen, a page turned, or the book closed. Coordinates inside
// the dialog are dialog pixels.
#include "pictures/stamp_picker.h"

#include "resources/resource_ids.h"
#include "toolbox/toolbox.h"
#include "tools/scene_services.h"
#include "tools/scissors_stamps.h"

namespace {

constexpr int32_t kWidth = 627;
constexpr int32_t kHeight = 241;
constexpr int32_t kStampsShown = 8;

constexpr Rect kClose{10, 209, 66, 224};
constexpr Rect kPreviousArrow{39, 14, 107, 61};
constexpr Rect kNextArrow{521, 14, 589, 61};
// Where the stamps of a page lie, first to eighth: two rows of two on each page of the book.
constexpr Rect kCells[kStampsShown] = {
    {101, 50, 149, 98}, {193, 50, 241, 98}, {90, 134, 138, 182},  {188, 134, 236, 182},
    {388, 50, 436, 98}, {480, 50, 528, 98}, {393, 134, 441, 182}, {491, 134, 539, 182},
};

// What a release decides besides a stamp: the book closed.
constexpr int32_t kClosed = -1;

struct PickerRun {
    BitmapRef sheet = -1;  // the sheet's stamps and their mask, loaded for the opening
    BitmapRef sheetMask = -1;
    int32_t count = 0;  // stamps on the sheet
    int32_t page = 0;   // the first stamp shown, a multiple of 8
};

PickerRun g_run;

bool inside(const Rect& r, Point p) { return tb_PtInRect(p.x, p.y, &r) != 0; }

bool next_shown() { return g_run.page + kStampsShown < g_run.count; }
bool previous_shown() { return g_run.page > 0; }

// The book over the room as the back buffer holds it, the stamps of the page on it and the
// arrows that can turn it.
void draw_face(NativeWindow dialog) {
    BitmapRef face = tb_CreateDialogFace(dialog, g_backBuffer, kBitmapStampBook, kMaskStampBook);
    if (face == -1) return;
    if (g_run.sheet != -1 && g_run.sheetMask != -1) {
        for (int32_t i = 0; i < kStampsShown && g_run.page + i < g_run.count; ++i) {
            const Rect cell = stamp_cell(g_run.page + i);
            tb_CopyBitmapSprite(g_run.sheet, g_run.sheetMask, face, &cell, &cell, &kCells[i]);
        }
    }
    if (next_shown()) {
        tb_DrawPictureThroughMask(face, kBitmapStampArrowForward, kMaskStampArrowForward,
                                  &kNextArrow);
    }
    if (previous_shown()) {
        tb_DrawPictureThroughMask(face, kBitmapStampArrowBack, kMaskStampArrowBack,
                                  &kPreviousArrow);
    }
    tb_ShowDialogFace(dialog, face);
    tb_DisposeBitmap(face);
}

void set_pointer(NativeWindow, Point p) {
    const bool overArrow =
        (next_shown() && inside(kNextArrow, p)) || (previous_shown() && inside(kPreviousArrow, p));
    const bool active =
        overArrow || inside(kClose, p) || tb_DialogAreaAt(p.x, p.y, kCells, kStampsShown) >= 0;
    tb_SetCursor(active ? kCursorHandPoint : kCursorArrow);
}

// What a release at p decides: a stamp's number, kClosed, or TB_FACE_STAY_OPEN (also after
// turning a page). An arrow lies over the corner of a stamp beside it and takes the release
// there.
int32_t release_at(NativeWindow dialog, Point p) {
    if (inside(kClose, p)) return kClosed;
    if (next_shown() && inside(kNextArrow, p)) {
        g_run.page += kStampsShown;
        draw_face(dialog);
        return TB_FACE_STAY_OPEN;
    }
    if (previous_shown() && inside(kPreviousArrow, p)) {
        g_run.page -= kStampsShown;
        draw_face(dialog);
        return TB_FACE_STAY_OPEN;
    }
    const int32_t cell = tb_DialogAreaAt(p.x, p.y, kCells, kStampsShown);
    return cell >= 0 ? g_run.page + cell : TB_FACE_STAY_OPEN;
}

// Every release sounds: a stamp picked up, or the close sound for anything else (the book
// closed, a page turned, a release beside the stamps).
int32_t release(NativeWindow dialog, Point p) {
    const int32_t result = release_at(dialog, p);
    tb_PlaySoundAsync(result < 0 ? kSoundClose : kSoundPickUp);
    return result;
}

void start(NativeWindow) { tb_SetCursor(kCursorArrow); }

}  // namespace

int32_t stamp_picker_run(int32_t sheetId, int32_t maskSheetId, int32_t count, int32_t* page) {
    g_run = PickerRun{};
    g_run.count = count;
    g_run.page = *page >= 0 && *page < count ? *page - *page % kStampsShown : 0;
    Rect sheetRect;
    Rect maskRect;
    g_run.sheet = tb_CreateBitmap(&sheetRect, sheetId, 24);
    g_run.sheetMask = tb_CreateBitmap(&maskRect, maskSheetId, 8);
    const TbFaceDialog picker{.templateId = kDialogBlank,
                              .width = kWidth,
                              .height = kHeight,
                              .paint = draw_face,
                              .release = release,
                              .start = start,
                              .moved = set_pointer};
    // Escape ends the picker with 0: the first stamp.
    const int32_t result = tb_RunFaceDialog(picker);
    // However the dialog ended (a quit request too), the sheets go with it.
    if (g_run.sheet != -1) tb_DisposeBitmap(g_run.sheet);
    if (g_run.sheetMask != -1) tb_DisposeBitmap(g_run.sheetMask);
    *page = g_run.page;
    tb_SetCursor(kCursorArrow);
    return result >= 0 && result < count ? result : -1;
}
