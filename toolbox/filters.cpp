// The two pixel engines the painting tools share: the 5 x 5 convolution and the texture emboss.
// Both work on 24-bit images directly through their rows.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>

#include "toolbox/internal.h"

using namespace tb;

namespace {

// A 24-bit image's rows, addressed top-down.
struct Rows24 {
    uint8_t* pixels = nullptr;
    int32_t width = 0;
    int32_t height = 0;
    int32_t stride = 0;

    uint8_t* row(int32_t y) const {
        return pixels + static_cast<size_t>(height - y - 1) * static_cast<size_t>(stride);
    }
    uint8_t* at(int32_t x, int32_t y) const { return row(y) + 3 * static_cast<size_t>(x); }
};

// The image of a valid 24-bit bitmap, or nothing (reported under the operation's name).
bool rows_of(BitmapRef bitmap, const char* invalidMessage, Rows24* rows) {
    DibImage* img = bitmap_image(bitmap);
    if (img == nullptr) {
        tb_Error(invalidMessage);
        return false;
    }
    if (img->header->bitCount != 24) return false;
    *rows = Rows24{img->pixels, img->header->width, img->header->height,
                   tb_StorageWidth(24, img->header->width)};
    return true;
}

uint8_t clamp_channel(int64_t v) { return static_cast<uint8_t>(std::clamp<int64_t>(v, 0, 255)); }

struct Sums {
    int64_t blue = 0;
    int64_t green = 0;
    int64_t red = 0;

    void add(const uint8_t* pixel, int64_t weight) {
        blue += pixel[0] * weight;
        green += pixel[1] * weight;
        red += pixel[2] * weight;
    }
};

// Only the non-zero weights matter; they are gathered once per call, with their byte distance
// from the centre pixel for the pixels whose whole neighbourhood is inside.
class Taps {
   public:
    Taps(const FilterKernel& k, const Rows24& src) : src_(src) {
        for (int32_t dy = -2; dy <= 2; ++dy) {
            for (int32_t dx = -2; dx <= 2; ++dx) {
                const int32_t w = k.weights[dy + 2][dx + 2];
                // Rows are stored bottom-up: the row below lies one stride lower in memory.
                const ptrdiff_t offset = -ptrdiff_t{dy} * src.stride + 3 * ptrdiff_t{dx};
                if (w != 0) taps_[count_++] = Tap{dx, dy, w, offset};
            }
        }
    }

    Sums sums(int32_t x, int32_t y) const {
        Sums sums;
        const uint8_t* centre = src_.at(x, y);
        if (x >= 2 && y >= 2 && x + 2 < src_.width && y + 2 < src_.height) {
            for (int32_t i = 0; i < count_; ++i)
                sums.add(centre + taps_[i].offset, taps_[i].weight);
            return sums;
        }
        for (int32_t i = 0; i < count_; ++i) {
            const int32_t nx = x + taps_[i].dx;
            const int32_t ny = y + taps_[i].dy;
            if (nx < 0 || ny < 0 || nx >= src_.width || ny >= src_.height) continue;
            sums.add(centre + taps_[i].offset, taps_[i].weight);
        }
        return sums;
    }

    // A randomised kernel multiplies each weight by a fresh factor, drawn per neighbour inside
    // the bitmap in row order. A weight of 0 stays 0 whatever the factor, so only the taps that
    // count draw one: the Grain filter then costs one draw per pixel instead of 25.
    Sums random_sums(int32_t x, int32_t y, int32_t low, int32_t high) const {
        Sums sums;
        const uint8_t* centre = src_.at(x, y);
        for (int32_t i = 0; i < count_; ++i) {
            const int32_t nx = x + taps_[i].dx;
            const int32_t ny = y + taps_[i].dy;
            if (nx < 0 || ny < 0 || nx >= src_.width || ny >= src_.height) continue;
            sums.add(centre + taps_[i].offset, int64_t{taps_[i].weight} * tb_Random(low, high));
        }
        return sums;
    }

   private:
    struct Tap {
        int32_t dx;
        int32_t dy;
        int32_t weight;
        ptrdiff_t offset;
    };
    const Rows24& src_;
    Tap taps_[25] = {};
    int32_t count_ = 0;
};

}  // namespace

void tb_ApplyFilter(BitmapRef bitmap, const Rect* rect, const FilterKernel* kernel) {
    Rows24 src;
    if (!rows_of(bitmap, "Invalid bitmap! (tb_ApplyFilter)", &src)) return;
    Rect bounds{0, 0, src.width, src.height};
    Rect area;
    if (tb_IntersectRect(&area, rect, &bounds) == 0) return;
    if (kernel->divisor == 0) return;  // no filter of the program divides by zero
    prepare_reading(bitmap, area.top - 2, area.bottom + 2);

    // The results go to a work bitmap the size of the area, so every pixel is computed from
    // the bitmap as it was; the area is copied back at the end.
    const int32_t aw = area.right - area.left;
    const int32_t ah = area.bottom - area.top;
    Rect workRect{0, 0, aw, ah};
    BitmapRef work = tb_CreateBitmap(&workRect, TB_BITMAP_NODC, 24);
    if (work < 0) return;  // the table reported it; the bitmap stays as it was
    DibImage* workImage = bitmap_image(work);
    Rows24 dst{workImage->pixels, aw, ah, tb_StorageWidth(24, aw)};
    const Taps taps(*kernel, src);

    const FilterKernel& k = *kernel;
    for (int32_t y = area.top; y < area.bottom; ++y) {
        uint8_t* out = dst.at(0, y - area.top);
        for (int32_t x = area.left; x < area.right; ++x, out += 3) {
            const Sums sums = k.randomize != 0 ? taps.random_sums(x, y, k.randomLow, k.randomHigh)
                                               : taps.sums(x, y);
            const uint8_t* centre = src.at(x, y);
            out[0] = k.applyBlue != 0 ? clamp_channel(sums.blue / k.divisor + k.offset) : centre[0];
            out[1] =
                k.applyGreen != 0 ? clamp_channel(sums.green / k.divisor + k.offset) : centre[1];
            out[2] = k.applyRed != 0 ? clamp_channel(sums.red / k.divisor + k.offset) : centre[2];
        }
    }
    prepare_writing(bitmap, area.top, area.bottom);
    tb_CopyRows(workImage, 0, 0, aw, ah, bitmap_image(bitmap), area.left, area.top, 0);
    tb_DisposeBitmap(work);
    note_touched(resolve_target(bitmap), area);
}

void tb_EmbossTexture(BitmapRef picture, BitmapRef texture, const Rect* rect, int32_t strength,
                      int32_t shift) {
    Rows24 pic;
    Rows24 tex;
    if (!rows_of(picture, "Invalid bitmap! (tb_EmbossTexture)", &pic)) return;
    if (!rows_of(texture, "Invalid bitmap! (tb_EmbossTexture)", &tex)) return;
    Rect textureRect{0, 0, tex.width, tex.height};
    Rect area;
    if (tb_IntersectRect(&area, rect, &textureRect) == 0) return;
    // Only pixels of the picture can change; the rest of the area reads and writes nothing.
    Rect pictureRect{0, 0, pic.width, pic.height};
    Rect touched;
    if (tb_IntersectRect(&touched, &area, &pictureRect) == 0) return;
    prepare_reading(texture, 0, tex.height);
    prepare_reading(picture, 0, pic.height);
    prepare_writing(picture, touched.top, touched.bottom);

    // The length of a mid-grey (128, 128, 128): a relief step of that size moves a channel by
    // `strength`.
    const double norm = std::sqrt(49152.0);
    auto brightness = [&tex](int32_t x, int32_t y) {
        if (x < 0 || y < 0 || x >= tex.width || y >= tex.height) return 0.0;  // reads as black
        const uint8_t* p = tex.at(x, y);
        return std::sqrt(double(p[0]) * p[0] + double(p[1]) * p[1] + double(p[2]) * p[2]);
    };
    for (int32_t y = touched.top; y < touched.bottom; ++y) {
        const int32_t y2 = std::clamp(y + shift, 0, pic.height);
        for (int32_t x = touched.left; x < touched.right; ++x) {
            const int32_t x2 = std::clamp(x + shift, 0, pic.width);
            const double delta = strength * (brightness(x2, y2) - brightness(x, y)) / norm;
            uint8_t* p = pic.at(x, y);
            for (int32_t c = 0; c < 3; ++c) {
                p[c] = clamp_channel(static_cast<int64_t>(std::trunc(p[c] + delta)));
            }
        }
    }
    note_touched(resolve_target(picture), touched);
}
