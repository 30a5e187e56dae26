// The named filters: fixed kernels over the toolbox's convolution.
#include "tools/filters.h"

#include <algorithm>
#include <iterator>

namespace {

// Sets the inner 3 x 3 block (rows top to bottom) of a kernel.
void set_inner(FilterKernel* k, const int32_t (&rows)[3][3]) {
    for (int32_t r = 0; r < 3; ++r) {
        for (int32_t c = 0; c < 3; ++c) k->weights[r + 1][c + 1] = rows[r][c];
    }
}

}  // namespace

FilterKernel named_filter_kernel(NamedFilter filter, int32_t amount) {
    amount = std::max(amount, 0);
    FilterKernel k;
    switch (filter) {
        case NamedFilter::Blur3:
            set_inner(&k, {{1, 1, 1}, {1, 1, 1}, {1, 1, 1}});
            k.divisor = 9;
            break;
        case NamedFilter::Blur5:
            for (auto& row : k.weights) std::fill(std::begin(row), std::end(row), 1);
            k.divisor = 25;
            break;
        case NamedFilter::MildSharpen:
            set_inner(&k, {{0, -10, 0}, {-10, 150, -10}, {0, -10, 0}});
            k.divisor = 100;
            break;
        case NamedFilter::Darken:
            k.weights[2][2] = 1;
            k.offset = -amount;
            break;
        case NamedFilter::Brighten:
            k.weights[2][2] = 1;
            k.offset = amount;
            break;
        case NamedFilter::RedBoost:
        case NamedFilter::GreenBoost:
        case NamedFilter::BlueBoost:
            k.weights[2][2] = 100 + amount;
            k.divisor = 100;
            k.applyRed = filter == NamedFilter::RedBoost ? 1 : 0;
            k.applyGreen = filter == NamedFilter::GreenBoost ? 1 : 0;
            k.applyBlue = filter == NamedFilter::BlueBoost ? 1 : 0;
            break;
        case NamedFilter::Grain:
            // Each pixel times a random percentage: a flat area turns speckled.
            k.weights[2][2] = 1;
            k.divisor = 100;
            k.randomize = 1;
            k.randomLow = 100 - amount;
            k.randomHigh = 100 + amount;
            break;
        case NamedFilter::Emboss:
            // The weights sum to 0: flat areas become the offset, edges lighter or darker.
            set_inner(&k, {{-150, -150, 150}, {-150, 0, 150}, {-150, 150, 150}});
            k.divisor = 400;
            k.offset = 200;
            break;
    }
    return k;
}

void apply_named_filter(BitmapRef bitmap, const Rect& rect, NamedFilter filter, int32_t amount) {
    FilterKernel k = named_filter_kernel(filter, amount);
    tb_ApplyFilter(bitmap, &rect, &k);
}

BitmapRef create_texture_bitmap(const Rect& rect, int16_t patternId) {
    Rect r = rect;
    BitmapRef texture = tb_CreateBitmap(&r, -1, 24);
    if (texture >= 0) tb_FillPattern(texture, patternId, &r);
    return texture;
}
