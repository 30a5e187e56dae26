// Regions: polygon and circle regions, the winding rule, hit testing, painting, the point list
// terminator and the table's exhaustion.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "test_support.h"

namespace {

constexpr int32_t E = TB_POLY_END;

// Which pixels of a w x h area the region says it holds, as text ('#' inside).
std::vector<std::string> hits(RegionRef r, int32_t w, int32_t h) {
    std::vector<std::string> rows;
    for (int32_t y = 0; y < h; ++y) {
        std::string row;
        for (int32_t x = 0; x < w; ++x) row += tb_PtInRegion(x, y, r) != 0 ? '#' : '.';
        rows.push_back(row);
    }
    return rows;
}

// What painting the region draws on a fresh w x h bitmap, in the same form.
std::vector<std::string> painted(RegionRef r, int32_t w, int32_t h) {
    BitmapRef b = make_bitmap(w, h);
    tb_SetForeColor(b, 65025, 65025, 65025);
    tb_PaintRegion(b, r);
    std::vector<std::string> rows;
    for (int32_t y = 0; y < h; ++y) {
        std::string row;
        for (int32_t x = 0; x < w; ++x) row += pixel_rgb(b, x, y) != 0 ? '#' : '.';
        rows.push_back(row);
    }
    tb_DisposeBitmap(b);
    return rows;
}

}  // namespace

TEST(Regions, APolygonHoldsThePixelsWhoseCentresItEncloses) {
    fresh_toolbox();
    int32_t square[] = {1, 1, 5, 1, 5, 4, 1, 4, E, E};
    RegionRef r = tb_CreateRegion(square);
    ASSERT_EQ(r, 0);
    const std::vector<std::string> expected{"......", ".####.", ".####.", ".####.", "......"};
    EXPECT_EQ(hits(r, 6, 5), expected);
    EXPECT_EQ(painted(r, 6, 5), expected);
    EXPECT_EQ(tb_PtInRegion(INT32_MIN, INT32_MAX, r), 0);

    // Turning the other way round, and a slanted edge, follow the same rule.
    int32_t triangle[] = {0, 0, 0, 6, 6, 6, E, 0};
    RegionRef t = tb_CreateRegion(triangle);
    EXPECT_EQ(hits(t, 6, 6), (std::vector<std::string>{"......", "#.....", "##....", "###...",
                                                       "####..", "#####."}));
    EXPECT_TRUE(shown_boxes().empty());
}

TEST(Regions, ASelfOverlappingStarIsFilledByTheWindingRule) {
    fresh_toolbox();
    // A five-pointed star drawn in one stroke winds twice round its centre.
    int32_t star[] = {10, 0, 16, 19, 0, 7, 20, 7, 4, 19, E, E};
    RegionRef r = tb_CreateRegion(star);
    ASSERT_GE(r, 0);
    EXPECT_NE(tb_PtInRegion(10, 10, r), 0);  // the centre: outside under even-odd
    EXPECT_NE(tb_PtInRegion(10, 2, r), 0);   // a point
    EXPECT_NE(tb_PtInRegion(2, 7, r), 0);
    EXPECT_EQ(tb_PtInRegion(3, 14, r), 0);  // between two points
    EXPECT_EQ(tb_PtInRegion(10, 19, r), 0);
    EXPECT_EQ(painted(r, 21, 20), hits(r, 21, 20));
    // Painting respects the bitmap's clip once applied.
    BitmapRef b = make_bitmap(21, 20);
    Rect clip{0, 0, 10, 20};
    tb_SetClipRect(b, &clip);
    tb_Line(b, 0, 0, 0, 0, 1);  // applies it
    tb_SetForeColor(b, 65025, 65025, 65025);
    tb_PaintRegion(b, r);
    EXPECT_EQ(pixel_rgb(b, 9, 10), 0xFFFFFFu);
    EXPECT_EQ(pixel_rgb(b, 10, 10), 0u);
}

TEST(Regions, CirclesAreTheEllipseInscribedInTheirBox) {
    fresh_toolbox();
    RegionRef c = tb_CreateCircleRegion(6, 5, 4);
    ASSERT_GE(c, 0);
    BitmapRef b = make_bitmap(13, 11);
    tb_SetForeColor(b, 65025, 65025, 65025);
    Rect box{2, 1, 10, 9};
    tb_PaintEllipse(b, &box);
    std::vector<std::string> ellipse;
    for (int32_t y = 0; y < 11; ++y) {
        std::string row;
        for (int32_t x = 0; x < 13; ++x) row += pixel_rgb(b, x, y) != 0 ? '#' : '.';
        ellipse.push_back(row);
    }
    EXPECT_EQ(hits(c, 13, 11), ellipse);
    EXPECT_EQ(painted(c, 13, 11), ellipse);
    RegionRef turned = tb_CreateCircleRegion(6, 5, -4);
    EXPECT_EQ(hits(turned, 13, 11), ellipse);

    EXPECT_EQ(tb_CreateCircleRegion(6, 5, 0), -1);
    EXPECT_EQ(tb_CreateCircleRegion(INT32_MAX, 0, 10), -1);
    EXPECT_TRUE(shown_boxes().empty());
}

TEST(Regions, PointListsEndAtTheTerminatorOrAfterAHundredPoints) {
    fresh_toolbox();
    int32_t none[] = {E, 5};
    int32_t noneY[] = {5, E};
    EXPECT_EQ(tb_CreateRegion(none), -1);
    EXPECT_EQ(tb_CreateRegion(noneY), -1);
    EXPECT_TRUE(shown_boxes().empty());

    // Exactly 100 points and no terminator: a square whose extra corners repeat its last one.
    // Reading a 101st point would run past the array.
    std::vector<int32_t> points{0, 0, 8, 0, 8, 8};
    while (points.size() < 2 * TB_MAX_POLY_POINTS) points.insert(points.end(), {0, 8});
    RegionRef r = tb_CreateRegion(points.data());
    ASSERT_GE(r, 0);
    EXPECT_NE(tb_PtInRegion(1, 7, r), 0);
    EXPECT_NE(tb_PtInRegion(7, 1, r), 0);
    EXPECT_EQ(tb_PtInRegion(8, 8, r), 0);
}

TEST(Regions, UnusablePolygonsFailWithANotice) {
    fresh_toolbox();
    int32_t one[] = {3, 3, E, E};
    int32_t far[] = {0, 0, INT32_MAX, 0, 0, 10, E, E};
    EXPECT_EQ(tb_CreateRegion(one), -1);
    EXPECT_EQ(tb_CreateRegion(far), -1);
    ASSERT_EQ(shown_boxes().size(), 2u);
    EXPECT_EQ(shown_boxes()[0].kind, TB_BOX_ATTENTION);
    EXPECT_EQ(shown_boxes()[0].text, "Failed to create region.");
    // A flat polygon is a region that holds nothing.
    int32_t flat[] = {0, 2, 9, 2, E, E};
    RegionRef r = tb_CreateRegion(flat);
    ASSERT_GE(r, 0);
    EXPECT_EQ(painted(r, 10, 4),
              (std::vector<std::string>{"..........", "..........", "..........", ".........."}));
}

TEST(Regions, TheHundredAndFirstRegionIsRefusedAndFreedSlotsAreReused) {
    fresh_toolbox();
    int32_t square[] = {0, 0, 4, 0, 4, 4, 0, 4, E, E};
    for (int32_t i = 0; i < TB_MAX_REGIONS; ++i) {
        ASSERT_EQ(i % 2 == 0 ? tb_CreateRegion(square) : tb_CreateCircleRegion(2, 2, 2), i);
    }
    EXPECT_EQ(tb_CreateRegion(square), -1);
    EXPECT_EQ(tb_CreateCircleRegion(2, 2, 2), -1);
    EXPECT_EQ(box_texts(),
              (std::vector<std::string>{"No more available Regions! (tb_CreateRegion)",
                                        "No more available Regions! (tb_CreateCircleRegion)"}));
    tb_DisposeRegion(41);
    tb_DisposeRegion(17);
    EXPECT_EQ(tb_PtInRegion(1, 1, 17), 0);
    EXPECT_EQ(tb_CreateCircleRegion(2, 2, 2), 17);
    EXPECT_EQ(tb_CreateRegion(square), 41);
}

TEST(Regions, BadHandlesHoldNothingAndPaintNothing) {
    fresh_toolbox();
    tb_DisposeRegion(-1);
    tb_DisposeRegion(TB_MAX_REGIONS);
    EXPECT_EQ(tb_PtInRegion(0, 0, -1), 0);
    EXPECT_EQ(tb_PtInRegion(0, 0, TB_MAX_REGIONS), 0);
    EXPECT_EQ(tb_PtInRegion(0, 0, 3), 0);  // free
    EXPECT_EQ(painted(3, 4, 4), painted(-7, 4, 4));
    EXPECT_TRUE(shown_boxes().empty());
}
