// The preferences dialog: one column of two pictures per setting (sound, animated clearing,
// fitting opened pictures, light printing), the upper picture for one choice and the lower for
// the other, the current choice framed in white. Printing's column stands the other way
// round: its upper picture prints in full, so its copy holds the negation of light printing.
// Coordinates are dialog pixels; rectangles hold their left and top edges only.
#include "pictures/preferences_dialog.h"

#include "pictures/dialog_art.h"
#include "resources/resource_ids.h"
#include "shell/preferences.h"
#include "toolbox/toolbox.h"

namespace {

constexpr int32_t kColumns = 4;

// Each rectangle is a 64 x 64 picture of the art shrunk by 4 on every side.
constexpr Rect kUpper[kColumns] = {
    {56, 82, 112, 138}, {138, 82, 194, 138}, {220, 82, 276, 138}, {301, 82, 357, 138}};
constexpr Rect kLower[kColumns] = {
    {56, 159, 112, 215}, {138, 159, 194, 215}, {220, 159, 276, 215}, {301, 159, 357, 215}};
constexpr Rect kOk{290, 235, 327, 272};
constexpr Rect kCancel{327, 235, 363, 272};

// The working copies, by column: sound on, animated clearing, fit, not light printing. Non-zero
// frames the upper picture.
int32_t g_copies[kColumns] = {};

bool inside(const Rect& r, Point p) { return tb_PtInRect(p.x, p.y, &r) != 0; }

bool active(Point p) {
    if (inside(kOk, p) || inside(kCancel, p)) return true;
    for (int32_t c = 0; c < kColumns; ++c) {
        if (inside(kUpper[c], p) || inside(kLower[c], p)) return true;
    }
    return false;
}

void paint(NativeWindow dialog) {
    BitmapRef face = dialog_picture(kBitmapPreferences);
    if (face < 0) return;
    tb_SetForeColor(face, 65025, 65025, 65025);
    for (int32_t c = 0; c < kColumns; ++c)
        tb_FrameRect(face, g_copies[c] != 0 ? &kUpper[c] : &kLower[c]);
    tb_ShowDialogFace(dialog, face);
    tb_DisposeBitmap(face);
}

// A release: -1 cancel, 1 OK, or stay open with the frames where the choices now are.
int32_t release(NativeWindow dialog, Point p) {
    if (inside(kCancel, p)) return -1;
    if (inside(kOk, p)) return 1;
    for (int32_t c = 0; c < kColumns; ++c) {
        if (inside(kUpper[c], p)) g_copies[c] = 1;
        if (inside(kLower[c], p)) g_copies[c] = 0;
    }
    paint(dialog);
    return TB_FACE_STAY_OPEN;
}

}  // namespace

int32_t preferences_dialog_run() {
    g_copies[0] = g_prefs.soundOn;
    g_copies[1] = g_prefs.animatedClearing;
    g_copies[2] = g_prefs.fitPictures;
    g_copies[3] = g_prefs.lightPrinting != 0 ? 0 : 1;
    const TbFaceDialog dialog{.templateId = kDialogBlank,
                              .width = kBitmapPreferencesSize.width,
                              .height = kBitmapPreferencesSize.height,
                              .paint = paint,
                              .release = release,
                              .active = active};
    const int32_t result = tb_RunFaceDialog(dialog);
    if (result == 1) {
        g_prefs.soundOn = g_copies[0];
        g_prefs.animatedClearing = g_copies[1];
        g_prefs.fitPictures = g_copies[2];
        g_prefs.lightPrinting = g_copies[3] != 0 ? 0 : 1;
    }
    return result;
}
