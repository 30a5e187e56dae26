#include "scene/art.h"

void art_draw_cut_out(TargetRef target, int32_t imageId, int32_t maskId, const Rect& dst) {
    tb_DrawPictureThroughMask(target, imageId, maskId, &dst);
}

void art_draw_part(TargetRef target, int32_t imageId, const Rect& from, const Rect& to) {
    Rect r;
    BitmapRef image = tb_CreateBitmap(&r, imageId, 24);
    if (image == -1) return;
    tb_CopyBitmap(image, target, &from, &to, 0);
    tb_DisposeBitmap(image);
}

void art_draw(TargetRef target, int32_t imageId, int32_t x, int32_t y) {
    Rect r;
    tb_DrawPictureToBitmap(target, imageId, x, y, &r);
}
