// The bitmap table: creation, queries, disposal, slot reuse and the handle checks.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "resources/resources.h"
#include "test_support.h"
#include "toolbox/internal.h"

namespace {

void expect_rect(const Rect& r, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    EXPECT_EQ(r.left, left);
    EXPECT_EQ(r.top, top);
    EXPECT_EQ(r.right, right);
    EXPECT_EQ(r.bottom, bottom);
}

}  // namespace

TEST(BitmapTable, BlankBitmapKeepsItsCreationRectAndStartsBlack) {
    fresh_toolbox();
    Rect r{10, 20, 110, 70};
    BitmapRef b = tb_CreateBitmap(&r, -1, 24);
    ASSERT_EQ(b, 0);
    EXPECT_EQ(tb_GetBitmapWidth(b), 100);
    EXPECT_EQ(tb_GetBitmapHeight(b), 50);
    Rect got;
    tb_GetBitmapRect(b, &got);
    expect_rect(got, 10, 20, 110, 70);
    EXPECT_EQ(pixel_rgb(b, 0, 0), 0u);
    EXPECT_EQ(pixel_rgb(b, 99, 49), 0u);
    EXPECT_TRUE(shown_boxes().empty());
}

TEST(BitmapTable, EveryQueryRefusesNegativeFreeOutOfRangeAndWindowHandles) {
    fresh_toolbox();
    Rect screen{0, 0, 64, 48};
    ASSERT_EQ(tb_OpenWindow(&screen, "Tintamar"), TB_WINDOW_BASE);  // a live window handle
    ASSERT_EQ(make_bitmap(2, 2), 0);
    for (BitmapRef bad : {-1, 5, TB_MAX_BITMAPS, TB_WINDOW_BASE}) {
        SCOPED_TRACE(bad);
        shown_boxes().clear();
        EXPECT_EQ(tb_GetBitmapWidth(bad), -1);
        EXPECT_EQ(tb_GetBitmapHeight(bad), -1);
        EXPECT_EQ(tb_GetBitmapStorageWidth(bad), -1);
        Rect untouched{1, 2, 3, 4};
        tb_GetBitmapRect(bad, &untouched);
        expect_rect(untouched, 1, 2, 3, 4);
        tb_DisposeBitmap(bad);
        EXPECT_EQ(tb_GetBitmapImage(bad), nullptr);
        EXPECT_EQ(tb_GetBitmapDC(bad), 0);
        EXPECT_EQ(box_texts(), (std::vector<std::string>{
                                   "Invalid bitmap! (tb_GetBitmapWidth)",
                                   "Invalid bitmap! (tb_GetBitmapHeight)",
                                   "Invalid bitmap! (tb_GetBitmapStorageWidth)",
                                   "Invalid bitmap! (tb_GetBitmapRect)",
                                   "There is no bitmap to free! (tb_DisposeBitmap)",
                               }));
        for (const ShownBox& box : shown_boxes()) {
            EXPECT_EQ(box.kind, TB_BOX_ERROR);
            EXPECT_EQ(box.title, "Error...");
        }
    }
    EXPECT_EQ(tb_GetBitmapWidth(0), 2);  // the live bitmap was not touched
}

TEST(BitmapTable, TheHundredAndFirstBitmapFailsAndTheLowestFreeSlotIsReused) {
    fresh_toolbox();
    for (int32_t i = 0; i < TB_MAX_BITMAPS; ++i)
        ASSERT_EQ(make_bitmap(1, 1, 24, TB_BITMAP_NODC), i);
    EXPECT_EQ(make_bitmap(1, 1), -1);
    tb_DisposeBitmap(37);
    tb_DisposeBitmap(12);
    tb_DisposeBitmap(12);
    EXPECT_EQ(make_bitmap(2, 2), 12);
    EXPECT_EQ(make_bitmap(2, 2), 37);
    EXPECT_EQ(make_bitmap(2, 2), -1);
    EXPECT_EQ(box_texts(), (std::vector<std::string>{
                               "No more available Bitmaps! (tb_CreateBitmap)",
                               "There is no bitmap to free! (tb_DisposeBitmap)",
                               "No more available Bitmaps! (tb_CreateBitmap)",
                           }));
}

TEST(BitmapTable, AReusedSlotKeepsColoursFontAndClipRectButNotTheAppliedRestriction) {
    fresh_toolbox();
    BitmapRef first = make_bitmap(20, 20);
    tb_SetForeColor(first, 65025, 0, 32640);  // red 255, blue 128
    tb::g_bitmaps[first].text = {3, 24, 1};
    Rect clip{5, 5, 15, 15};
    tb_SetClipRect(first, &clip);
    BitmapRef source = make_bitmap(20, 20);
    Rect whole{0, 0, 20, 20};
    tb_CopyBitmap(source, first, &whole, &whole, 0);  // applies the clip to the context
    tb_DisposeBitmap(first);

    BitmapRef second = make_bitmap(20, 20);
    ASSERT_EQ(second, first);
    EXPECT_EQ(tb::g_bitmaps[second].fore, tb_MakeColor(255, 0, 128));
    EXPECT_EQ(tb::g_bitmaps[second].text.face, 3);
    EXPECT_EQ(tb::g_bitmaps[second].text.size, 24);
    EXPECT_EQ(tb::g_bitmaps[second].text.style, 1);

    // The new bitmap's context starts without a restriction: a fill reaches every pixel.
    tb_PaintRect(second, &whole);
    EXPECT_EQ(pixel_rgb(second, 0, 0), 0xFF0080u);
    EXPECT_EQ(pixel_rgb(second, 19, 19), 0xFF0080u);

    // The stored clip rect came along: the next copy is clipped by it.
    tb_CopyBitmap(source, second, &whole, &whole, 0);
    EXPECT_EQ(pixel_rgb(second, 4, 4), 0xFF0080u);
    EXPECT_EQ(pixel_rgb(second, 5, 5), 0u);
    EXPECT_EQ(pixel_rgb(second, 14, 14), 0u);
    EXPECT_EQ(pixel_rgb(second, 15, 15), 0xFF0080u);
    EXPECT_TRUE(shown_boxes().empty());
}

TEST(BitmapTable, StorageWidthRoundsRowsUpToFourBytes) {
    fresh_toolbox();
    EXPECT_EQ(tb_GetBitmapStorageWidth(make_bitmap(10, 1, 24)), 32);
    EXPECT_EQ(tb_GetBitmapStorageWidth(make_bitmap(10, 1, 8)), 12);
    EXPECT_EQ(tb_GetBitmapStorageWidth(make_bitmap(10, 1, 1)), 4);
    EXPECT_EQ(tb_StorageWidth(24, 4), 12);
    EXPECT_EQ(tb_StorageWidth(8, 4), 4);
    EXPECT_EQ(tb_StorageWidth(1, 33), 8);
    EXPECT_EQ(tb_StorageWidth(16, 3), 8);
    EXPECT_EQ(tb_StorageWidth(32, 3), 0);
}

TEST(BitmapTable, PixelAddressCountsRowsFromTheBottom) {
    fresh_toolbox();
    const DibImage* img = tb_GetBitmapImage(make_bitmap(4, 3, 24));
    EXPECT_EQ(tb_PixelAddress(img, 0, 0), img->pixels + 2 * 12);
    EXPECT_EQ(tb_PixelAddress(img, 3, 2), img->pixels + 9);
    EXPECT_EQ(tb_PixelAddress(img, 4, 0), nullptr);
    EXPECT_EQ(tb_PixelAddress(img, 0, 3), nullptr);
    EXPECT_EQ(tb_PixelAddress(img, -1, 0), nullptr);
    const DibImage* img8 = tb_GetBitmapImage(make_bitmap(5, 3, 8));
    EXPECT_EQ(tb_PixelAddress(img8, 2, 0), img8->pixels + 2 * 8 + 2);
}

TEST(BitmapTable, ImpossibleSizesGetNoContextAndLeaveTheSlotFree) {
    fresh_toolbox();
    Rect inverted{10, 10, 0, 0};
    EXPECT_EQ(tb_CreateBitmap(&inverted, -1, 24), -1);
    EXPECT_EQ(box_texts(), std::vector<std::string>{"Could not create DC! (tb_CreateBitmap)"});
    EXPECT_EQ(make_bitmap(1, 1), 0);
}

TEST(BitmapTable, AResourceBitmapRewritesTheCallersRect) {
    // Any 24-bit picture the program carries will do.
    int32_t id = 0;
    for_each_resource(
        [](ResourceKind kind, int32_t resourceId, ResourceBytes bytes, void* found) {
            auto* slot = static_cast<int32_t*>(found);
            if (*slot != 0 || kind != ResourceKind::Bitmap || bytes.size < sizeof(DibHeader))
                return;
            DibHeader h;
            std::memcpy(&h, bytes.data, sizeof h);
            if (h.bitCount == 24) *slot = resourceId;
        },
        &id);
    if (id == 0) GTEST_SKIP() << "no 24-bit picture resource is built into this tree yet";
    fresh_toolbox();
    DibHeader h;
    std::memcpy(&h, find_resource(ResourceKind::Bitmap, id).data, sizeof h);
    Rect r{7, 8, 9, 10};
    BitmapRef b = tb_CreateBitmap(&r, id, 24);
    ASSERT_GE(b, 0);
    expect_rect(r, 0, 0, h.width, h.height);
    Rect stored;
    tb_GetBitmapRect(b, &stored);
    expect_rect(stored, 0, 0, h.width, h.height);
    EXPECT_EQ(tb_GetBitmapWidth(b), h.width);
    EXPECT_NE(tb_GetBitmapDC(b), 0);
    EXPECT_TRUE(shown_boxes().empty());
}

// At the end of a run whatever is still in the bitmap and region tables is named, one line each.
TEST(BitmapTable, LeftoversInTheTablesAreNamedOneLineEach) {
    fresh_toolbox();
    EXPECT_EQ(tb_ReportLeftovers(), 0);
    BitmapRef bitmap = make_bitmap(20, 10);
    const int32_t triangle[] = {0, 0, 10, 0, 0, 10, TB_POLY_END, TB_POLY_END};
    RegionRef polygon = tb_CreateRegion(triangle);
    RegionRef circle = tb_CreateCircleRegion(50, 60, 5);
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(tb_ReportLeftovers(), 3);
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("bitmap 0 (20 x 10, 24-bit) was never disposed of"), std::string::npos);
    EXPECT_NE(said.find("region 0 (polygon around 0, 0 - 10, 10) was never disposed of"),
              std::string::npos);
    EXPECT_NE(said.find("region 1 (ellipse around 45, 55 - 55, 65) was never disposed of"),
              std::string::npos);
    tb_DisposeBitmap(bitmap);
    tb_DisposeRegion(polygon);
    tb_DisposeRegion(circle);
    EXPECT_EQ(tb_ReportLeftovers(), 0);
}
