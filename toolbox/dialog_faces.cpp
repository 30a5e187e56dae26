// The faces of custom-drawn dialogs: the picture behind a dialog with its art laid over it
// through a mask, so a dialog can have any outline; and the small helpers every such dialog
// needs to read its pointer messages.
#include "toolbox/internal.h"

using namespace tb;

Point tb_DialogPoint(int64_t lParam) {
    // Two signed 16-bit halves: a release beside the dialog arrives with negative values.
    auto x = static_cast<int16_t>(static_cast<uint16_t>(lParam & 0xFFFF));
    auto y = static_cast<int16_t>(static_cast<uint16_t>((lParam >> 16) & 0xFFFF));
    return Point{x, y};
}

BitmapRef tb_CreateDialogFace(NativeWindow dialog, BitmapRef backdrop, int32_t imageId,
                              int32_t maskId) {
    Rect under;
    if (!dialog_rect(dialog, &under)) return -1;
    Rect face{0, 0, under.right - under.left, under.bottom - under.top};
    BitmapRef work = tb_CreateBitmap(&face, -1, 24);
    if (work < 0) return -1;
    // A slot keeps the clip rect of the bitmap it held before: a face is drawn whole.
    tb_ClearClipRect(work);
    tb_CopyBitmap(backdrop, work, &under, &face, 0);
    if (imageId < 0) return work;

    Rect imageRect;
    Rect maskRect;
    BitmapRef image = tb_CreateBitmap(&imageRect, imageId, 24);
    BitmapRef mask = tb_CreateBitmap(&maskRect, maskId, 8);
    if (image >= 0 && mask >= 0) {
        tb_CopyBitmapSprite(image, mask, work, &imageRect, &maskRect, &imageRect);
    }
    if (image >= 0) tb_DisposeBitmap(image);
    if (mask >= 0) tb_DisposeBitmap(mask);
    return work;
}

void tb_ShowDialogFace(NativeWindow dialog, BitmapRef face) {
    Rect whole;
    tb_GetBitmapRect(face, &whole);
    tb_CopyBitmapToHwnd(dialog, face, &whole, &whole);
}

int32_t tb_DialogAreaAt(int32_t x, int32_t y, const Rect* areas, int32_t count) {
    for (int32_t i = 0; i < count; ++i) {
        if (tb_PtInRect(x, y, &areas[i]) != 0) return i;
    }
    return -1;
}
