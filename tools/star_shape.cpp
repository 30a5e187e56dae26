// The star of the star wand: five points drawn as an outline, filled from its middle, and two
// lines across it that make it look folded. The same steps make the picture and the mask.
#include <iterator>

#include "tools/fancy_brushes.h"

namespace {

// The outline on a 32-unit grid, clockwise from the top point.
constexpr Point kOutline[] = {{15, 0},  {20, 11}, {30, 11}, {22, 17}, {28, 30},
                              {15, 21}, {2, 30},  {8, 17},  {0, 11},  {10, 11}};
// Two creases from the shoulders to the opposite lower points.
constexpr Point kCreases[][2] = {{{20, 11}, {2, 30}}, {{28, 30}, {10, 11}}};

void scaled_line(BitmapRef target, Point from, Point to, double scale) {
    tb_Line(target, tb_Round(from.x * scale), tb_Round(from.y * scale), tb_Round(to.x * scale),
            tb_Round(to.y * scale), 1);
}

// Draws the star of side `size` into a new bitmap of that depth: `ground` everywhere, the star
// in `ink`. Returns the bitmap or -1.
BitmapRef draw_star(int32_t size, int32_t depth, const ToolColour& ground, const ToolColour& ink) {
    Rect whole{0, 0, size, size};
    BitmapRef star = tb_CreateBitmap(&whole, -1, depth);
    if (star < 0) return -1;
    tb_ClearClipRect(star);
    auto use = [star](const ToolColour& c) {
        tb_SetForeColor(star, static_cast<uint32_t>(c.red), static_cast<uint32_t>(c.green),
                        static_cast<uint32_t>(c.blue));
    };
    use(ground);
    tb_PaintRect(star, &whole);
    use(ink);
    const double scale = size / 32.0;
    const auto corners = static_cast<int32_t>(std::size(kOutline));
    for (int32_t i = 0; i < corners; ++i) {
        scaled_line(star, kOutline[i], kOutline[(i + 1) % corners], scale);
    }
    const int32_t middle = tb_Round(size / 2.0);
    tb_FloodFill(star, middle, middle, static_cast<uint32_t>(ground.red),
                 static_cast<uint32_t>(ground.green), static_cast<uint32_t>(ground.blue));
    for (const auto& crease : kCreases) scaled_line(star, crease[0], crease[1], scale);
    return star;
}

}  // namespace

void make_star(int32_t size, const ToolColour& colour, BitmapRef* image, BitmapRef* mask) {
    *image = -1;
    *mask = -1;
    // A star of no size draws nothing (and a bitmap of no size cannot be made).
    if (size < 1) return;
    constexpr ToolColour kWhite{65025, 65025, 65025};
    constexpr ToolColour kBlack{0, 0, 0};
    *image = draw_star(size, 24, kWhite, colour);
    *mask = draw_star(size, 8, kBlack, kWhite);
    if (*image >= 0 && *mask >= 0) return;
    if (*image >= 0) tb_DisposeBitmap(*image);
    if (*mask >= 0) tb_DisposeBitmap(*mask);
    *image = -1;
    *mask = -1;
}
