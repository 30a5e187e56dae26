// The bitmap table: creation, queries, disposal, slot reuse and the handle checks.
#include "test_support.h"

#include <gtest/gtest.h>

TEST(BitmapTable, BlankBitmapKeepsItsCreationRectAndStartsBlack) {
    fresh_toolbox();
    Rect r{10, 20, 110, 70};
    BitmapRef b = tb_CreateBitmap(&r, -1, 24);
    ASSERT_EQ(b, 0);
    EXPECT_EQ(tb_GetBitmapWidth(b), 100);
    EXPECT_EQ(tb_GetBitmapHeight(b), 50);
    Rect got;
    tb_GetBitmapRect(b, &got);
    EXPECT_EQ(got.left, 10);
    EXPECT_EQ(got.top, 20);
    EXPECT_EQ(got.right, 110);
    EXPECT_EQ(got.bottom, 70);
    EXPECT_EQ(pixel_rgb(b, 0, 0), 0u);
    EXPECT_EQ(pixel_rgb(b, 99, 49), 0u);
    EXPECT_TRUE(shown_boxes().empty());
}
