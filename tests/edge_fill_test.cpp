// The nearest-pixel fill of a work bitmap beyond the picture's edge, on tiny bitmaps.
#include "tools/edge_fill.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "test_support.h"

namespace {

// A pixel value that tells where it came from.
uint32_t origin_value(int32_t x, int32_t y) { return 0x100000u + 0x100u * y + x; }

uint8_t index_value(int32_t x, int32_t y) { return static_cast<uint8_t>(16 * y + x); }

}  // namespace

TEST(EdgeFill, EveryPixelOutsideTakesTheNearestPixelInside) {
    struct Case {
        const char* what;
        Rect inside;
    };
    const Case cases[] = {
        {"a window in the middle", {1, 1, 3, 3}},
        {"the left part", {0, 0, 2, 4}},
        {"the bottom right, reaching past the bitmap", {2, 1, 9, 9}},
        {"one pixel", {4, 0, 5, 1}},
        {"from above and left of the bitmap", {-3, -3, 2, 2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fresh_toolbox();
        BitmapRef rgb = make_bitmap(5, 4);
        BitmapRef indexed = make_bitmap(5, 4, 8);
        for (int32_t y = 0; y < 4; ++y) {
            for (int32_t x = 0; x < 5; ++x) {
                set_pixel_rgb(rgb, x, y, origin_value(x, y));
                *tb_PixelAddress(tb_GetBitmapImage(indexed), x, y) = index_value(x, y);
            }
        }
        fill_outside_with_nearest(rgb, c.inside);
        fill_outside_with_nearest(indexed, c.inside);
        const Rect in{std::max(c.inside.left, 0), std::max(c.inside.top, 0),
                      std::min(c.inside.right, 5), std::min(c.inside.bottom, 4)};
        for (int32_t y = 0; y < 4; ++y) {
            for (int32_t x = 0; x < 5; ++x) {
                const int32_t nx = std::clamp(x, in.left, in.right - 1);
                const int32_t ny = std::clamp(y, in.top, in.bottom - 1);
                EXPECT_EQ(pixel_rgb(rgb, x, y), origin_value(nx, ny)) << x << "," << y;
                EXPECT_EQ(*tb_PixelAddress(tb_GetBitmapImage(indexed), x, y), index_value(nx, ny))
                    << x << "," << y;
            }
        }
    }
}

TEST(EdgeFill, NothingChangesWithoutAPictureOrOutside) {
    fresh_toolbox();
    BitmapRef work = make_bitmap(3, 3);
    for (int32_t i = 0; i < 9; ++i) set_pixel_rgb(work, i % 3, i / 3, origin_value(i % 3, i / 3));
    for (Rect inside : {Rect{0, 0, 3, 3}, Rect{-1, -1, 4, 4}, Rect{1, 1, 1, 2}, Rect{5, 5, 8, 8}}) {
        fill_outside_with_nearest(work, inside);
        for (int32_t i = 0; i < 9; ++i) {
            EXPECT_EQ(pixel_rgb(work, i % 3, i / 3), origin_value(i % 3, i / 3));
        }
    }
    fill_outside_with_nearest(-1, Rect{0, 0, 1, 1});  // a bad handle is refused quietly
    fill_outside_with_nearest(57, Rect{0, 0, 1, 1});
}
