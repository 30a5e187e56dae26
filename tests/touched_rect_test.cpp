// What drawing touched: every operation that writes into a bitmap notes the bounds of what it
// wrote, which must be exactly the bounds of the pixels that changed (the input dispatch shows
// that rectangle and nothing else after a drag). Snapshots build on the same notes: whatever
// writes a bitmap, its snapshot copy keeps the pixels as they were, and restoring brings them
// back (undo works this way).
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "resources/resource_ids.h"
#include "test_support.h"

namespace {

constexpr uint32_t kFull = 65025;

bool same(const Rect& a, const Rect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

std::string text(const Rect& r) {
    return "(" + std::to_string(r.left) + ", " + std::to_string(r.top) + ", " +
           std::to_string(r.right) + ", " + std::to_string(r.bottom) + ")";
}

BitmapRef filled(int32_t w, int32_t h, uint32_t red, uint32_t green, uint32_t blue,
                 int32_t source = -1) {
    BitmapRef b = make_bitmap(w, h, 24, source);
    Rect all{0, 0, w, h};
    tb_SetForeColor(b, red, green, blue);
    tb_PaintRect(b, &all);
    return b;
}

class TouchedRect : public ::testing::Test {
   protected:
    void SetUp() override { fresh_toolbox(); }
};

struct Case {
    const char* name;
    int32_t size;  // the white target is size x size
    std::function<void(BitmapRef)> draw;
    std::function<void(BitmapRef)> prepare = nullptr;  // before the reset: not counted
};

TEST_F(TouchedRect, IsExactlyWhatEachOperationChangedAndSnapshotsKeepWhatWasThere) {
    const Case cases[] = {
        {"paint rect", 16,
         [](BitmapRef b) {
             Rect r{2, 3, 7, 9};
             tb_PaintRect(b, &r);
         }},
        {"paint rect beyond the corner", 16,
         [](BitmapRef b) {
             Rect r{-5, -5, 3, 4};
             tb_PaintRect(b, &r);
         }},
        {"frame rect", 16,
         [](BitmapRef b) {
             Rect r{1, 2, 15, 14};
             tb_FrameRect(b, &r);
         }},
        {"ellipse", 16,
         [](BitmapRef b) {
             Rect r{4, 4, 12, 10};
             tb_PaintEllipse(b, &r);
         }},
        {"ellipse outline", 16,
         [](BitmapRef b) {
             Rect r{3, 1, 14, 9};
             tb_FrameEllipse(b, &r);
         }},
        {"wide line", 16, [](BitmapRef b) { tb_Line(b, 3, 3, 12, 8, 5); }},
        {"thin line, end point left out", 16, [](BitmapRef b) { tb_Line(b, 2, 2, 10, 2, 1); }},
        {"line clipped by the stored clip rect", 16,
         [](BitmapRef b) {
             Rect clip{0, 0, 6, 16};
             tb_SetClipRect(b, &clip);
             tb_Line(b, 0, 8, 15, 8, 3);
             tb_ClearClipRect(b);
         }},
        {"flood fill up to a wall", 16,
         [](BitmapRef b) {
             tb_SetForeColor(b, kFull, 0, 0);
             tb_FloodFill(b, 2, 12, kFull, kFull, kFull);
         },
         [](BitmapRef b) { tb_Line(b, 9, 0, 9, 16, 1); }},
        {"flood fill of a colour that is not there", 16,
         [](BitmapRef b) { tb_FloodFill(b, 2, 12, 0, kFull, 0); }},
        {"pattern", 300,
         [](BitmapRef b) {
             Rect r{0, 0, 300, 300};
             tb_FillPattern(b, kBitmapWallpaper, &r);
         }},
        {"pixel", 16, [](BitmapRef b) { tb_PutPixel(b, 5, 6, 0, 0, 0); }},
        {"pixel on the right edge value", 16, [](BitmapRef b) { tb_PutPixel(b, 16, 3, 0, 0, 0); }},
        {"copy", 16,
         [](BitmapRef b) {
             BitmapRef red = filled(4, 4, kFull, 0, 0);
             Rect from{0, 0, 4, 4};
             Rect to{10, 9, 14, 13};
             tb_CopyBitmap(red, b, &from, &to, 0);
         }},
        {"copy half off the bitmap, stretched", 16,
         [](BitmapRef b) {
             BitmapRef red = filled(4, 4, kFull, 0, 0);
             Rect from{0, 0, 4, 4};
             Rect to{12, -4, 20, 4};
             tb_CopyBitmap(red, b, &from, &to, 0);
         }},
        {"cut-out copy", 16,
         [](BitmapRef b) {
             BitmapRef image = filled(4, 4, 0, 0, kFull);
             BitmapRef mask = make_bitmap(4, 4, 8);  // black: the image shows everywhere
             Rect r{0, 0, 4, 4};
             Rect to{1, 11, 5, 15};
             tb_CopyBitmapSprite(image, mask, b, &r, &r, &to);
         }},
        {"keyed copy", 16,
         [](BitmapRef b) {
             BitmapRef green = filled(3, 5, 0, kFull, 0);
             Rect from{0, 0, 3, 5};
             Rect to{6, 6, 9, 11};
             tb_CopyBitmapKeyed(green, b, &from, &to, 0);
         }},
        {"filter", 16,
         [](BitmapRef b) {
             FilterKernel darken;
             darken.weights[2][2] = 1;
             darken.offset = -40;
             Rect r{3, 4, 9, 20};
             tb_ApplyFilter(b, &r, &darken);
         }},
        {"text", 40,
         [](BitmapRef b) {
             tb_SetForeColor(b, 0, 0, 0);
             tb_SetFontSize(b, 20);
             tb_DrawText(b, 3, 5, "Hi", 2, 0, 1, 0, 0);
         }},
        {"soft round rect", 16,
         [](BitmapRef b) {
             Rect r{2, 3, 13, 11};
             tb_FillSoftRoundRect(b, &r, 4.0, tb_MakeColor(0, 0, 255));
         }},
        {"soft shade beyond the corner", 16,
         [](BitmapRef b) {
             Rect r{-4, 9, 10, 20};
             tb_ShadeSoftRoundRect(b, &r, 3.0, 50);
         }},
        {"soft circle", 16,
         [](BitmapRef b) { tb_FillSoftCircle(b, 8.0, 8.0, 5.0, tb_MakeColor(255, 0, 0)); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fresh_toolbox();
        BitmapRef b = filled(c.size, c.size, kFull, kFull, kFull);
        tb_SetForeColor(b, 0, 0, 0);
        if (c.prepare) c.prepare(b);
        tb_ResetTouchedRect(b);
        const std::vector<uint32_t> before = pixels_of(b);
        // The snapshot is taken before anything is copied: every row must reach the copy
        // before the operation writes it.
        BitmapRef copy = make_bitmap(c.size, c.size);
        tb_SetSnapshotBitmap(b, copy);
        c.draw(b);
        EXPECT_EQ(pixels_through_copy(copy), before) << "the snapshot";
        Rect touched;
        tb_GetTouchedRect(b, &touched);
        const std::vector<uint32_t> after = pixels_of(b);
        const Rect changed = changed_bounds(b, before);
        EXPECT_TRUE(same(touched, changed))
            << "touched " << text(touched) << ", changed " << text(changed);

        Rect restored;
        tb_RestoreSnapshot(b, &restored);
        EXPECT_EQ(pixels_of(b), before) << "restored";
        EXPECT_TRUE(same(restored, changed)) << "restored " << text(restored);
        // Drawn again and snapshotted, the copy follows; a restore without changes does nothing.
        c.draw(b);
        tb_TakeSnapshot(b);
        EXPECT_EQ(pixels_through_copy(copy), after) << "the second snapshot";
        tb_RestoreSnapshot(b, &restored);
        EXPECT_TRUE(same(restored, Rect{}));
        EXPECT_EQ(pixels_of(b), after);
        EXPECT_TRUE(shown_boxes().empty());
    }
}

TEST_F(TouchedRect, GrowsUntilResetAndStartsEmpty) {
    BitmapRef b = make_bitmap(20, 20);
    Rect touched{1, 1, 1, 1};
    tb_GetTouchedRect(b, &touched);
    EXPECT_TRUE(same(touched, Rect{})) << "a new bitmap starts untouched";

    tb_PutPixel(b, 2, 3, kFull, 0, 0);
    tb_PutPixel(b, 10, 12, kFull, 0, 0);
    Rect texture{5, 1, 7, 2};
    tb_PaintRect(b, &texture);
    tb_GetTouchedRect(b, &touched);
    EXPECT_TRUE(same(touched, Rect{2, 1, 11, 13})) << text(touched);

    tb_ResetTouchedRect(b);
    tb_GetTouchedRect(b, &touched);
    EXPECT_TRUE(same(touched, Rect{}));
    // Work on the pixels themselves is reported by whoever does it.
    Rect direct{4, 4, 30, 6};
    tb_AddTouchedRect(b, &direct);
    tb_GetTouchedRect(b, &touched);
    EXPECT_TRUE(same(touched, Rect{4, 4, 20, 6})) << "cut to the bitmap: " << text(touched);

    // A slot used again starts afresh.
    tb_DisposeBitmap(b);
    BitmapRef again = make_bitmap(20, 20);
    ASSERT_EQ(again, b);
    tb_GetTouchedRect(again, &touched);
    EXPECT_TRUE(same(touched, Rect{}));
}

TEST_F(TouchedRect, WindowsKeepTheirOwnAndBadHandlesHaveNone) {
    Rect screen{0, 0, 64, 48};
    WindowRef w = tb_OpenWindow(&screen, "Tintamar");
    BitmapRef b = make_bitmap(8, 8);
    tb_ResetTouchedRect(w);
    Rect r{10, 20, 30, 25};
    tb_PaintRect(w, &r);
    Rect from{0, 0, 8, 8};
    Rect to{60, 40, 68, 48};
    tb_CopyBitmap(b, w, &from, &to, 0);
    Rect touched;
    tb_GetTouchedRect(w, &touched);
    EXPECT_TRUE(same(touched, Rect{10, 20, 64, 48})) << text(touched);
    tb_GetTouchedRect(b, &touched);
    EXPECT_TRUE(same(touched, Rect{})) << "the source is only read";

    for (TargetRef bad : {-1, 99, TB_WINDOW_BASE + 9, TB_PRINTER}) {
        touched = Rect{1, 2, 3, 4};
        tb_ResetTouchedRect(bad);
        tb_AddTouchedRect(bad, &r);
        tb_GetTouchedRect(bad, &touched);
        EXPECT_TRUE(same(touched, Rect{})) << bad;
    }
    EXPECT_TRUE(shown_boxes().empty());
}

}  // namespace
