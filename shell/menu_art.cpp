#include "shell/menu_art.h"

namespace {

TbColor colour_of(ArtColour c) { return tb_MakeColor(c.red, c.green, c.blue); }

}  // namespace

void art_fill_round_rect(BitmapRef bitmap, const Rect& r, double radius, ArtColour colour) {
    tb_FillSoftRoundRect(bitmap, &r, radius, colour_of(colour));
}

void art_shade_round_rect(BitmapRef bitmap, const Rect& r, double radius, int32_t percent) {
    tb_ShadeSoftRoundRect(bitmap, &r, radius, percent);
}

void art_fill_circle(BitmapRef bitmap, double cx, double cy, double radius, ArtColour colour) {
    tb_FillSoftCircle(bitmap, cx, cy, radius, colour_of(colour));
}
