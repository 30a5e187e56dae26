// Soft-edged shapes painted straight into a 24-bit bitmap: rounded panels, dots and shadows
// whose edge pixels are mixed with what the bitmap holds by how much of them the shape covers,
// so drawn dialogs sit on the room without jagged corners. Like every drawing operation they
// report what they touched, and an undo copy of the bitmap gets the rows before they change.
#include <algorithm>
#include <cmath>

#include "toolbox/internal.h"

using namespace tb;

namespace {

// How much of the pixel at (x, y) lies inside the rounded rectangle, 0..1, from the distance
// of its centre to the shape's edge.
double coverage(const Rect& r, double radius, int32_t x, int32_t y) {
    double px = x + 0.5;
    double py = y + 0.5;
    double halfW = (r.right - r.left) / 2.0;
    double halfH = (r.bottom - r.top) / 2.0;
    double qx = std::fabs(px - (r.left + halfW)) - (halfW - radius);
    double qy = std::fabs(py - (r.top + halfH)) - (halfH - radius);
    double outside = std::hypot(std::max(qx, 0.0), std::max(qy, 0.0));
    double distance = outside + std::min(std::max(qx, qy), 0.0) - radius;
    return std::clamp(0.5 - distance, 0.0, 1.0);
}

uint8_t mix(uint8_t under, double over, double amount) {
    return static_cast<uint8_t>(std::lround(under + (over - under) * amount));
}

void mix_colour(uint8_t* p, TbColor colour, double amount) {
    p[0] = mix(p[0], tb_ColorBlue(colour), amount);
    p[1] = mix(p[1], tb_ColorGreen(colour), amount);
    p[2] = mix(p[2], tb_ColorRed(colour), amount);
}

// Only 24-bit images: the pixel is three bytes, blue first. Rows [box.top, box.bottom) are
// about to be written.
DibImage* image_24(BitmapRef bitmap, const Rect& box) {
    DibImage* image = bitmap_image(bitmap);
    if (image == nullptr || image->header->bitCount != 24) return nullptr;
    prepare_writing(bitmap, box.top, box.bottom);
    return image;
}

template <typename Paint>
void each_covered_pixel(BitmapRef bitmap, const Rect& r, double radius, Paint paint) {
    DibImage* image = image_24(bitmap, r);
    if (image == nullptr) return;
    radius = std::min({radius, (r.right - r.left) / 2.0, (r.bottom - r.top) / 2.0});
    for (int32_t y = r.top; y < r.bottom; ++y) {
        for (int32_t x = r.left; x < r.right; ++x) {
            uint8_t* p = tb_PixelAddress(image, x, y);
            if (p == nullptr) continue;
            double amount = coverage(r, radius, x, y);
            if (amount > 0) paint(p, amount);
        }
    }
    note_touched(resolve_target(bitmap), r);
}

}  // namespace

void tb_FillSoftRoundRect(BitmapRef bitmap, const Rect* rect, double radius, TbColor colour) {
    each_covered_pixel(bitmap, *rect, radius,
                       [&](uint8_t* p, double amount) { mix_colour(p, colour, amount); });
}

void tb_ShadeSoftRoundRect(BitmapRef bitmap, const Rect* rect, double radius, int32_t percent) {
    each_covered_pixel(bitmap, *rect, radius, [&](uint8_t* p, double amount) {
        for (int32_t i = 0; i < 3; ++i) p[i] = mix(p[i], p[i] * percent / 100.0, amount);
    });
}

void tb_FillSoftCircle(BitmapRef bitmap, double cx, double cy, double radius, TbColor colour) {
    Rect box{static_cast<int32_t>(std::floor(cx - radius)),
             static_cast<int32_t>(std::floor(cy - radius)),
             static_cast<int32_t>(std::ceil(cx + radius)),
             static_cast<int32_t>(std::ceil(cy + radius))};
    DibImage* image = image_24(bitmap, box);
    if (image == nullptr) return;
    for (int32_t y = box.top; y < box.bottom; ++y) {
        for (int32_t x = box.left; x < box.right; ++x) {
            uint8_t* p = tb_PixelAddress(image, x, y);
            if (p == nullptr) continue;
            double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy) - radius;
            double amount = std::clamp(0.5 - d, 0.0, 1.0);
            if (amount > 0) mix_colour(p, colour, amount);
        }
    }
    note_touched(resolve_target(bitmap), box);
}
