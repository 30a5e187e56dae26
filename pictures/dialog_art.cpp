#include "pictures/dialog_art.h"

BitmapRef dialog_picture(int32_t id) {
    Rect size;
    BitmapRef picture = tb_CreateBitmap(&size, id, 24);
    if (picture >= 0) tb_ClearClipRect(picture);
    return picture;
}

void show_dialog_picture(NativeWindow dialog, int32_t id, int32_t x, int32_t y) {
    BitmapRef picture = dialog_picture(id);
    if (picture < 0) return;
    Rect whole;
    tb_GetBitmapRect(picture, &whole);
    Rect at{x, y, x + whole.right, y + whole.bottom};
    tb_CopyBitmapToHwnd(dialog, picture, &whole, &at);
    tb_DisposeBitmap(picture);
}
