// The About box: the About picture in a window frame of its own, captioned "About
// Tintamar...", centred on the screen. The frame is drawn here: a brown border, a blue title
// bar with a round close button, and a thin sunken edge around the picture. Dialog pixels
// count from the frame's top-left corner; the picture's own (client) pixels from its own.
#include "pictures/about_box.h"

#include <cstring>

#include "resources/resource_ids.h"
#include "toolbox/toolbox.h"

namespace {

constexpr int32_t kFrame = 4;     // the border on every side
constexpr int32_t kCaption = 22;  // the title bar's height
constexpr int32_t kEdge = 1;      // the sunken edge around the picture
constexpr int32_t kClientLeft = kFrame + kEdge;
constexpr int32_t kClientTop = kFrame + kCaption + kEdge;
constexpr int32_t kWidth = kBitmapAboutSize.width + 2 * kFrame + 2 * kEdge;
constexpr int32_t kHeight = kBitmapAboutSize.height + kCaption + 2 * kFrame + 2 * kEdge;
constexpr const char* kTitle = "About Tintamar...";

constexpr Rect kLink{110, 124, 299, 144};  // client pixels

void paint_rect(BitmapRef face, Rect r, uint8_t red, uint8_t green, uint8_t blue) {
    tb_SetForeColor(face, red * 255u, green * 255u, blue * 255u);
    tb_PaintRect(face, &r);
}

void draw_caption(BitmapRef face) {
    paint_rect(face, Rect{kFrame, kFrame, kWidth - kFrame, kFrame + kCaption}, 66, 165, 245);
    tb_SetForeColor(face, 65025, 65025, 65025);
    tb_SetFontFace(face, 0);
    tb_SetFontSize(face, 14);
    tb_SetFontStyle(face, 1);
    tb_DrawText(face, kFrame + 8, kFrame + 3, kTitle, static_cast<int32_t>(std::strlen(kTitle)), 0,
                1, 0, 0);
    // The close button: a red dot with a white cross (a press anywhere closes the box).
    const int32_t cx = kWidth - kFrame - 12;
    const int32_t cy = kFrame + kCaption / 2;
    Rect dot{cx - 8, cy - 8, cx + 9, cy + 9};
    tb_SetForeColor(face, 229u * 255, 57u * 255, 53u * 255);
    tb_PaintEllipse(face, &dot);
    tb_SetForeColor(face, 65025, 65025, 65025);
    tb_Line(face, cx - 3, cy - 3, cx + 3, cy + 3, 2);
    tb_Line(face, cx + 3, cy - 3, cx - 3, cy + 3, 2);
}

void paint(NativeWindow dialog) {
    Rect whole{0, 0, kWidth, kHeight};
    BitmapRef face = tb_CreateBitmap(&whole, -1, 24);
    if (face < 0) return;
    tb_ClearClipRect(face);
    paint_rect(face, whole, 122, 72, 32);
    draw_caption(face);
    // The sunken edge: dark above and left of the picture, light below and right.
    const int32_t top = kClientTop - kEdge;
    const int32_t left = kClientLeft - kEdge;
    paint_rect(face, Rect{left, top, kWidth - kFrame, kHeight - kFrame}, 255, 255, 255);
    paint_rect(face, Rect{left, top, kWidth - kFrame - kEdge, kHeight - kFrame - kEdge}, 90, 52,
               22);

    Rect from;
    BitmapRef picture = tb_CreateBitmap(&from, kBitmapAbout, 8);
    if (picture >= 0) {
        Rect to = from;
        tb_OffsetRect(&to, kClientLeft, kClientTop);
        tb_CopyBitmap(picture, face, &from, &to, 0);
        tb_DisposeBitmap(picture);
    }
    tb_ShowDialogFace(dialog, face);
    tb_DisposeBitmap(face);
}

bool on_link(Point dialogPoint) {
    return tb_PtInRect(dialogPoint.x - kClientLeft, dialogPoint.y - kClientTop, &kLink) != 0;
}

// A press ends the box: on the link after handing the home page to the desktop.
void press(NativeWindow dialog, Point p, int32_t, bool) {
    if (!on_link(p)) {
        tb_EndDialog(dialog, 0);
        return;
    }
    if (tb_OpenWithDesktop(kHomePageAddress) == 0) {
        tb_Attention(
            "Tintamar could not open its web page: no web browser was found on this computer.");
    }
    tb_EndDialog(dialog, 1);
}

}  // namespace

int32_t about_show() {
    const TbFaceDialog about{.templateId = kDialogAbout,
                             .width = kWidth,
                             .height = kHeight,
                             .paint = paint,
                             .active = on_link,
                             .press = press};
    return tb_RunFaceDialog(about);
}
