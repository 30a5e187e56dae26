// Snapshots of a bitmap: the copy holds the bitmap as it was at the last snapshot, rows reach it
// only when they are about to be written (so a dot after a snapshot copies a few rows, not the
// picture), and a restore puts back exactly what changed. That every write keeps the copy right
// is checked operation by operation in touched_rect_test.cpp.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_support.h"
#include "toolbox/internal.h"

namespace {

constexpr uint32_t kFull = 65025;
constexpr int32_t kWidth = 8;
constexpr int32_t kHeight = 6;

// Row y of the test bitmap has the colour 0x10 * (y + 1) in every channel.
uint32_t row_colour(int32_t y) { return 0x101010u * static_cast<uint32_t>(y + 1); }

BitmapRef striped() {
    BitmapRef b = make_bitmap(kWidth, kHeight);
    for (int32_t y = 0; y < kHeight; ++y) {
        const uint32_t c = row_colour(y) & 0xFF;
        tb_SetForeColor(b, c * 255, c * 255, c * 255);
        Rect row{0, y, kWidth, y + 1};
        tb_PaintRect(b, &row);
    }
    return b;
}

// The rows the copy holds right now, without bringing it up to date (0 = still black).
std::vector<uint32_t> raw_first_pixels(BitmapRef copy) {
    std::vector<uint32_t> firsts;
    const DibImage& img = *tb::g_bitmaps[copy].image;
    for (int32_t y = 0; y < kHeight; ++y) {
        const uint8_t* p = tb_PixelAddress(&img, 0, y);
        firsts.push_back(p[0] | (p[1] << 8) | (p[2] << 16));
    }
    return firsts;
}

std::vector<uint32_t> rows(std::initializer_list<int32_t> stripes) {
    std::vector<uint32_t> v;
    for (int32_t y : stripes) v.push_back(y < 0 ? 0 : row_colour(y));
    return v;
}

class Snapshot : public ::testing::Test {
   protected:
    void SetUp() override { fresh_toolbox(); }
};

TEST_F(Snapshot, RowsReachTheCopyOnlyWhenWrittenOrRead) {
    BitmapRef b = striped();
    BitmapRef copy = make_bitmap(kWidth, kHeight);  // black
    tb_SetSnapshotBitmap(b, copy);
    EXPECT_EQ(raw_first_pixels(copy), rows({-1, -1, -1, -1, -1, -1})) << "nothing copied yet";

    tb_PutPixel(b, 3, 2, 0, 0, 0);
    tb_SetForeColor(b, 0, 0, 0);
    Rect rows4and5{0, 4, 2, 6};
    tb_PaintRect(b, &rows4and5);
    EXPECT_EQ(raw_first_pixels(copy), rows({-1, -1, 2, -1, 4, 5})) << "rows 2, 4 and 5 written";

    // Reading the copy takes the rows read.
    int32_t red = 0, green = 0, blue = 0;
    tb_GetPixel(copy, 7, 0, &red, &green, &blue);
    EXPECT_EQ(red, 0x10 * 255);
    EXPECT_EQ(raw_first_pixels(copy), rows({0, -1, 2, -1, 4, 5}));

    // A new snapshot makes only the written rows stale again: the copy keeps the old rows 2, 4
    // and 5 until they are written anew, and a read of them takes the bitmap's new rows.
    tb_TakeSnapshot(b);
    EXPECT_EQ(raw_first_pixels(copy), rows({0, -1, 2, -1, 4, 5}));
    EXPECT_EQ(pixel_rgb(copy, 3, 2), 0u) << "the dot of the first stroke";
    EXPECT_EQ(pixel_rgb(copy, 0, 4), 0u);
    EXPECT_EQ(pixel_rgb(copy, 0, 3), row_colour(3));
}

TEST_F(Snapshot, RestorePutsBackWhatChangedSinceTheLastSnapshotOnly) {
    BitmapRef b = striped();
    BitmapRef copy = make_bitmap(kWidth, kHeight);
    tb_SetSnapshotBitmap(b, copy);
    tb_SetForeColor(b, kFull, 0, 0);
    tb_Line(b, 0, 1, 8, 1, 1);  // stroke 1: row 1 red
    tb_TakeSnapshot(b);
    const std::vector<uint32_t> afterStroke1 = pixels_through_copy(b);
    tb_SetForeColor(b, 0, kFull, 0);
    tb_Line(b, 2, 0, 2, 6, 1);  // stroke 2: column 2 green
    tb_PutPixel(b, 6, 4, 0, 0, kFull);

    // The chisel's way: the copy drawn into the bitmap itself during the stroke, one row down,
    // shows the picture before stroke 2 (row 1 red, no green column).
    Rect from{0, 0, kWidth, kHeight - 1};
    Rect to{0, 1, kWidth, kHeight};
    tb_CopyBitmap(copy, b, &from, &to, 0);
    EXPECT_EQ(pixel_rgb(b, 2, 2), 0xFF0000u);
    EXPECT_EQ(pixel_rgb(b, 2, 3), row_colour(2));

    Rect restored;
    tb_RestoreSnapshot(b, &restored);
    EXPECT_EQ(pixels_of(b), afterStroke1);
    EXPECT_EQ(restored.left, 0);
    EXPECT_EQ(restored.top, 0);
    EXPECT_EQ(restored.right, kWidth);
    EXPECT_EQ(restored.bottom, kHeight);
    Rect touched;
    tb_GetTouchedRect(b, &touched);
    EXPECT_EQ(touched.bottom, kHeight) << "what a restore puts back counts as touched";
    EXPECT_TRUE(shown_boxes().empty());
}

TEST_F(Snapshot, PairsOnlyBitmapsOfOneShapeAndEndsWithEither) {
    BitmapRef b = striped();
    BitmapRef small = make_bitmap(kWidth - 1, kHeight);
    tb_SetSnapshotBitmap(b, small);
    tb_SetSnapshotBitmap(b, b);
    tb_SetSnapshotBitmap(b, 77);
    tb_TakeSnapshot(b);
    Rect restored{1, 1, 2, 2};
    tb_RestoreSnapshot(small, &restored);
    EXPECT_EQ(restored.right, 0) << "nothing restored without a pairing";
    EXPECT_EQ(
        box_texts(),
        (std::vector<std::string>{
            "The bitmaps differ in size! (tb_SetSnapshotBitmap)",
            "Invalid bitmap! (tb_SetSnapshotBitmap)", "Invalid bitmap! (tb_SetSnapshotBitmap)",
            "Invalid bitmap! (tb_TakeSnapshot)", "Invalid bitmap! (tb_RestoreSnapshot)"}));
    shown_boxes().clear();

    // Disposing the copy ends the pairing; a new bitmap in its slot is no copy.
    BitmapRef copy = make_bitmap(kWidth, kHeight);
    tb_SetSnapshotBitmap(b, copy);
    tb_DisposeBitmap(copy);
    BitmapRef again = make_bitmap(kWidth, kHeight);
    ASSERT_EQ(again, copy);
    tb_PutPixel(b, 0, 0, 0, 0, 0);
    EXPECT_EQ(pixel_rgb(again, 0, 0), 0u) << "still black";
    tb_TakeSnapshot(b);
    EXPECT_EQ(box_texts(), (std::vector<std::string>{"Invalid bitmap! (tb_TakeSnapshot)"}));
}

}  // namespace
