// Drawing primitives: colour conversion and state, rectangles, ellipses, lines, flood and
// pattern fills, single pixels, clip rects, windows, and the messages for bad handles.
#include <gtest/gtest.h>

#include <climits>
#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "resources/resources.h"
#include "test_support.h"
#include "toolbox/platform_headless.h"

namespace {

using Rows = std::vector<std::string>;

constexpr uint32_t kFull = 65025;  // full intensity in colour units

// The bitmap as text: '#' where the pixel is `ink`, '.' where it is black, '?' otherwise.
Rows picture(BitmapRef b, uint32_t ink = 0xFFFFFF) {
    Rows rows;
    for (int32_t y = 0; y < tb_GetBitmapHeight(b); ++y) {
        std::string row;
        for (int32_t x = 0; x < tb_GetBitmapWidth(b); ++x) {
            uint32_t p = pixel_rgb(b, x, y);
            row += p == ink ? '#' : p == 0 ? '.' : '?';
        }
        rows.push_back(row);
    }
    return rows;
}

int count_ink(BitmapRef b, uint32_t ink = 0xFFFFFF) {
    int n = 0;
    for (const std::string& row : picture(b, ink)) {
        for (char c : row) n += c == '#';
    }
    return n;
}

BitmapRef white_pen_bitmap(int32_t w, int32_t h) {
    BitmapRef b = make_bitmap(w, h);
    tb_SetForeColor(b, kFull, kFull, kFull);
    return b;
}

}  // namespace

TEST(Colour, ComponentsConvertByTheTable) {
    const std::pair<uint32_t, int> table[] = {
        {0, 0},       {200, 0},     {255, 1},     {32767, 128}, {32768, 129},
        {32896, 129}, {65025, 255}, {65026, 253}, {65280, 254}, {65535, 255}};
    for (auto [component, expected] : table) {
        EXPECT_EQ(tb_ConvertComponent(component), expected) << component;
    }
}

TEST(Colour, ForeAndBackColoursAreKeptPerTarget) {
    fresh_toolbox();
    BitmapRef a = make_bitmap(2, 2);
    BitmapRef b = make_bitmap(2, 2);
    tb_SetForeColor(a, 65535, 0, 32768);
    tb_SetBackColor(a, 0, 65026, 0);
    EXPECT_EQ(tb_GetForeColor(a), 0x008100FFu);
    EXPECT_EQ(tb_GetBackColor(a), 0x0000FD00u);
    EXPECT_EQ(tb_GetForeColor(b), 0u);  // both start black
    tb_SetForeColor(TB_PRINTER, kFull, 0, 0);
    EXPECT_EQ(tb_GetForeColor(TB_PRINTER), 0x0000FFu);
    EXPECT_TRUE(shown_boxes().empty());
}

TEST(Colour, FreeSlotsAreReported) {
    fresh_toolbox();
    tb_SetForeColor(7, 0, 0, 0);
    tb_SetBackColor(-3, 0, 0, 0);
    tb_SetForeColor(TB_WINDOW_BASE + 4, 0, 0, 0);
    tb_SetBackColor(TB_WINDOW_BASE + 4, 0, 0, 0);
    EXPECT_EQ(box_texts(),
              (std::vector<std::string>{
                  "Invalid bitmap! (tb_SetForeColor)", "Invalid bitmap! (tb_SetBackColor)",
                  "Invalid window! (tb_SetForeColor)", "Invalid window! (tb_SetBackColor)"}));
}

TEST(Primitives, FreeSlotsAndBitmapsWithoutContextAreReportedByName) {
    fresh_toolbox();
    BitmapRef memoryOnly = make_bitmap(4, 4, 24, TB_BITMAP_NODC);
    ASSERT_GE(memoryOnly, 0);
    const Rect r{0, 0, 4, 4};
    struct Case {
        void (*draw)(TargetRef);
        const char* name;
    };
    static Rect s_rect{0, 0, 4, 4};
    const Case cases[] = {
        {[](TargetRef t) { tb_PaintRect(t, &s_rect); }, "tb_PaintRect"},
        {[](TargetRef t) { tb_FloodFill(t, 1, 1, 0, 0, 0); }, "tb_PaintRect"},
        {[](TargetRef t) { tb_FrameRect(t, &s_rect); }, "tb_FrameRect"},
        {[](TargetRef t) { tb_FrameEllipse(t, &s_rect); }, "tb_FrameRect"},
        {[](TargetRef t) { tb_PaintEllipse(t, &s_rect); }, "tb_PaintEllipse"},
        {[](TargetRef t) { tb_PaintRegion(t, 0); }, "tb_PaintRegion"},
    };
    int32_t square[] = {0, 0, 4, 0, 4, 4, 0, 4, TB_POLY_END, TB_POLY_END};
    ASSERT_EQ(tb_CreateRegion(square), 0);
    tb_SetForeColor(memoryOnly, kFull, kFull, kFull);
    for (const Case& c : cases) {
        shown_boxes().clear();
        c.draw(55);
        c.draw(memoryOnly);
        EXPECT_EQ(box_texts(), (std::vector<std::string>{
                                   std::string("Invalid bitmap! (") + c.name + ")",
                                   std::string("Bitmap does not have a DC! (") + c.name + ")"}));
    }
    // A line reports a free slot but draws nothing on a memory-only bitmap, silently.
    shown_boxes().clear();
    tb_Line(55, 0, 0, 3, 3, 1);
    tb_Line(memoryOnly, 0, 0, 3, 3, 1);
    tb_Line(memoryOnly, 0, 0, 3, 3, 3);
    EXPECT_EQ(box_texts(), std::vector<std::string>{"Invalid bitmap! (tb_Line)"});
    EXPECT_EQ(count_ink(memoryOnly), 0);
    // Window handles are not checked: an unknown window draws nothing and says nothing.
    shown_boxes().clear();
    tb_PaintRect(TB_WINDOW_BASE + 3, &r);
    tb_Line(TB_WINDOW_BASE + 3, 0, 0, 3, 3, 5);
    EXPECT_TRUE(shown_boxes().empty());
}

TEST(Rectangles, PaintCoversExactlyTheHalfOpenRectangle) {
    fresh_toolbox();
    BitmapRef b = white_pen_bitmap(6, 5);
    Rect empty{0, 0, 0, 0};
    Rect inverted{4, 4, 2, 2};
    tb_PaintRect(b, &empty);
    tb_PaintRect(b, &inverted);
    EXPECT_EQ(count_ink(b), 0);
    Rect r{2, 2, 4, 4};
    tb_PaintRect(b, &r);
    EXPECT_EQ(picture(b), (Rows{"......", "......", "..##..", "..##..", "......"}));
    // Far outside, huge and partly outside rectangles are cut to the bitmap.
    Rect outside{100, 100, 200, 200};
    tb_PaintRect(b, &outside);
    Rect corner{-5, -5, 1, 1};
    tb_PaintRect(b, &corner);
    EXPECT_EQ(count_ink(b), 5);
    Rect huge{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX};
    tb_PaintRect(b, &huge);
    EXPECT_EQ(count_ink(b), 30);
}

TEST(Rectangles, FrameOutlinesTheInsideOnly) {
    fresh_toolbox();
    BitmapRef b = white_pen_bitmap(7, 6);
    Rect r{1, 1, 6, 5};
    tb_FrameRect(b, &r);
    EXPECT_EQ(picture(b), (Rows{".......", ".#####.", ".#...#.", ".#...#.", ".#####.", "......."}));
    BitmapRef thin = white_pen_bitmap(4, 3);
    Rect line{0, 1, 4, 2};
    tb_FrameRect(thin, &line);
    EXPECT_EQ(picture(thin), (Rows{"....", "####", "...."}));
    Rect huge{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX};
    tb_FrameRect(thin, &huge);  // its edges lie far outside
    EXPECT_EQ(count_ink(thin), 4);
}

TEST(Ellipses, SmallEllipsesHaveTheirClassicShapes) {
    fresh_toolbox();
    BitmapRef b = white_pen_bitmap(4, 4);
    Rect box{0, 0, 4, 4};
    tb_PaintEllipse(b, &box);
    EXPECT_EQ(picture(b), (Rows{".##.", "####", "####", ".##."}));

    BitmapRef wide = white_pen_bitmap(10, 6);
    Rect flat{0, 0, 10, 6};
    tb_PaintEllipse(wide, &flat);
    EXPECT_EQ(picture(wide), (Rows{"..######..", ".########.", "##########", "##########",
                                   ".########.", "..######.."}));

    BitmapRef ring = white_pen_bitmap(10, 6);
    tb_FrameEllipse(ring, &flat);
    EXPECT_EQ(picture(ring), (Rows{"..######..", ".#......#.", "#........#", "#........#",
                                   ".#......#.", "..######.."}));
}

TEST(Ellipses, StayInsideTheirBoxAndTouchEverySide) {
    fresh_toolbox();
    for (Rect box : {Rect{3, 2, 20, 13}, Rect{1, 1, 2, 9}, Rect{2, 5, 22, 9}, Rect{0, 0, 24, 16}}) {
        BitmapRef fill = white_pen_bitmap(24, 16);
        BitmapRef ring = white_pen_bitmap(24, 16);
        tb_PaintEllipse(fill, &box);
        tb_FrameEllipse(ring, &box);
        Rows f = picture(fill);
        Rows o = picture(ring);
        bool left = false, right = false, top = false, bottom = false;
        for (int32_t y = 0; y < 16; ++y) {
            for (int32_t x = 0; x < 24; ++x) {
                const bool in = f[y][x] == '#';
                if (!tb_PtInRect(x, y, &box)) {
                    EXPECT_FALSE(in) << x << "," << y;
                }
                // The outline lies on the filled shape, and mirrors like it.
                if (o[y][x] == '#') {
                    EXPECT_TRUE(in) << x << "," << y;
                }
                if (tb_PtInRect(x, y, &box) != 0) {
                    EXPECT_EQ(in, f[box.top + box.bottom - 1 - y][x] == '#');
                    EXPECT_EQ(in, f[y][box.left + box.right - 1 - x] == '#');
                }
                left |= in && x == box.left;
                right |= in && x == box.right - 1;
                top |= in && y == box.top;
                bottom |= in && y == box.bottom - 1;
            }
        }
        EXPECT_TRUE(left && right && top && bottom);
        tb_DisposeBitmap(fill);
        tb_DisposeBitmap(ring);
    }
}

TEST(Ellipses, DegenerateAndFarBoxesAreHarmless) {
    fresh_toolbox();
    BitmapRef b = white_pen_bitmap(8, 8);
    for (Rect box : {Rect{2, 2, 2, 6}, Rect{6, 6, 2, 2}, Rect{100, 100, 140, 140}}) {
        tb_PaintEllipse(b, &box);
        tb_FrameEllipse(b, &box);
    }
    EXPECT_EQ(count_ink(b), 0);
    Rect huge{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX};
    tb_PaintEllipse(b, &huge);  // the middle of a vast ellipse: everything
    EXPECT_EQ(count_ink(b), 64);
    BitmapRef ring = white_pen_bitmap(8, 8);
    tb_FrameEllipse(ring, &huge);  // its outline passes far away
    EXPECT_EQ(count_ink(ring), 0);
}

TEST(Lines, OnePixelLinesLeaveTheirEndPoint) {
    fresh_toolbox();
    BitmapRef b = white_pen_bitmap(5, 4);
    tb_Line(b, 0, 0, 3, 0, 1);
    EXPECT_EQ(picture(b)[0], "###..");
    tb_Line(b, 4, 3, 4, 3, 1);  // no length: nothing
    EXPECT_EQ(count_ink(b), 3);

    BitmapRef d = white_pen_bitmap(5, 5);
    tb_Line(d, 0, 0, 4, 4, 0);  // width 0 is a one-pixel pen too
    tb_Line(d, 4, 0, 0, 2, 1);
    EXPECT_EQ(picture(d), (Rows{"#...#", ".###.", ".##..", "...#.", "....."}));

    BitmapRef steep = white_pen_bitmap(3, 7);
    tb_Line(steep, 0, 6, 2, 0, -4);
    EXPECT_EQ(picture(steep), (Rows{"...", "..#", ".#.", ".#.", ".#.", "#..", "#.."}));
}

TEST(Lines, WideLinesHaveRoundEnds) {
    fresh_toolbox();
    // A dot is the pen itself: the ellipse inscribed in the width x width box round the point.
    for (int32_t width = 2; width <= 12; ++width) {
        BitmapRef dot = white_pen_bitmap(16, 16);
        BitmapRef pen = white_pen_bitmap(16, 16);
        tb_Line(dot, 8, 7, 8, 7, width);
        Rect box{8 - width / 2, 7 - width / 2, 8 - width / 2 + width, 7 - width / 2 + width};
        tb_PaintEllipse(pen, &box);
        EXPECT_EQ(picture(dot), picture(pen)) << width;
        tb_DisposeBitmap(dot);
        tb_DisposeBitmap(pen);
    }
    BitmapRef b = white_pen_bitmap(14, 6);
    tb_Line(b, 3, 3, 10, 3, 4);
    EXPECT_EQ(picture(b), (Rows{"..............", "..#########...", ".###########..",
                                ".###########..", "..#########...", ".............."}));
    // Both ways round draw the same pixels.
    BitmapRef back = white_pen_bitmap(14, 6);
    tb_Line(back, 10, 3, 3, 3, 4);
    EXPECT_EQ(picture(back), picture(b));
}

TEST(Lines, DiagonalWideLineIsSymmetricAndSolid) {
    fresh_toolbox();
    BitmapRef b = white_pen_bitmap(30, 30);
    tb_Line(b, 6, 6, 23, 23, 7);
    Rows rows = picture(b);
    for (int32_t y = 0; y < 30; ++y) {
        int runs = 0;
        for (int32_t x = 0; x < 30; ++x) {
            EXPECT_EQ(rows[y][x], rows[x][y]);            // mirrored about the diagonal
            EXPECT_EQ(rows[y][x], rows[29 - y][29 - x]);  // and end for end
            runs += rows[y][x] == '#' && (x == 0 || rows[y][x - 1] != '#');
        }
        EXPECT_LE(runs, 1) << "row " << y << " has a hole";
    }
    EXPECT_EQ(rows[6][6], '#');
    EXPECT_EQ(rows[23][23], '#');
    EXPECT_EQ(rows[2][2], '.');
}

TEST(Lines, FarCoordinatesAndHugeWidthsStayInsideTheImage) {
    fresh_toolbox();
    BitmapRef b = white_pen_bitmap(6, 6);
    tb_Line(b, INT32_MIN, INT32_MIN, INT32_MAX - 1, INT32_MAX - 1, 1);
    for (int32_t i = 0; i < 6; ++i) EXPECT_EQ(pixel_rgb(b, i, i), 0xFFFFFFu) << i;
    EXPECT_EQ(count_ink(b), 6);
    BitmapRef w = white_pen_bitmap(6, 6);
    tb_Line(w, -1000000000, 3, 1000000000, 3, 3);
    EXPECT_EQ(picture(w), (Rows{"......", "......", "######", "######", "######", "......"}));
    BitmapRef all = white_pen_bitmap(6, 6);
    tb_Line(all, 3, 3, 3, 3, INT32_MAX);
    tb_Line(all, INT32_MIN, 0, INT32_MAX, 0, INT32_MAX);
    EXPECT_EQ(count_ink(all), 36);
    BitmapRef none = white_pen_bitmap(6, 6);
    tb_Line(none, INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX, 50);
    tb_Line(none, 100, -100, 200, 100, 9);
    EXPECT_EQ(count_ink(none), 0);
}

TEST(Clip, ABitmapsClipHoldsOnceALineHasAppliedItUntilCleared) {
    fresh_toolbox();
    BitmapRef b = white_pen_bitmap(8, 4);
    Rect clip{2, 0, 5, 4};
    Rect all{0, 0, 8, 4};
    tb_SetClipRect(b, &clip);
    tb_PaintRect(b, &all);  // stored, not yet applied
    EXPECT_EQ(count_ink(b), 32);
    tb_SetForeColor(b, 0, 0, 0);
    tb_Line(b, 0, 1, 8, 1, 1);
    EXPECT_EQ(picture(b)[1], "##...###");
    tb_PaintRect(b, &all);
    EXPECT_EQ(picture(b)[3], "##...###");
    tb_SetForeColor(b, kFull, kFull, kFull);
    tb_FloodFill(b, 0, 0, 0, 0, 0);  // starts outside the clip: nothing
    EXPECT_EQ(count_ink(b), 20);
    tb_FloodFill(b, 3, 0, 0, 0, 0);
    tb_ClearClipRect(b);
    EXPECT_EQ(count_ink(b), 32);
    tb_SetForeColor(b, 0, 0, 0);
    tb_PaintRect(b, &all);
    EXPECT_EQ(count_ink(b), 0);
}

TEST(Windows, DrawingOnAWindowShowsWhatChanged) {
    fresh_toolbox();
    Rect screen{0, 0, 20, 10};
    WindowRef w = tb_OpenWindow(&screen, "t");
    ASSERT_EQ(w, TB_WINDOW_BASE);
    tb_SetForeColor(w, kFull, 0, 0);
    int before = headless::presents();
    Rect r{2, 3, 6, 5};
    tb_PaintRect(w, &r);
    EXPECT_EQ(headless::presents(), before + 1);
    Rect shown = headless::last_present();
    EXPECT_EQ((std::vector<int32_t>{shown.left, shown.top, shown.right, shown.bottom}),
              (std::vector<int32_t>{2, 3, 6, 5}));
    EXPECT_EQ(target_colour(w, 2, 3), tb_MakeColor(255, 0, 0));
    EXPECT_EQ(target_colour(w, 6, 3), 0u);
    // Lines on a window use the stored clip rect; other primitives do not.
    Rect clip{0, 0, 5, 10};
    tb_SetClipRect(w, &clip);
    tb_Line(w, 0, 8, 20, 8, 1);
    EXPECT_EQ(target_colour(w, 4, 8), tb_MakeColor(255, 0, 0));
    EXPECT_EQ(target_colour(w, 5, 8), 0u);
    Rect row{0, 9, 20, 10};
    tb_PaintRect(w, &row);
    EXPECT_EQ(target_colour(w, 19, 9), tb_MakeColor(255, 0, 0));
    // Nothing drawn, nothing shown.
    before = headless::presents();
    Rect away{30, 30, 40, 40};
    tb_PaintRect(w, &away);
    EXPECT_EQ(headless::presents(), before);
}

TEST(FloodFill, FillsTheConnectedAreaOfItsColourOnly) {
    fresh_toolbox();
    BitmapRef b = white_pen_bitmap(9, 7);
    Rect frame{1, 1, 8, 6};
    tb_FrameRect(b, &frame);
    tb_SetForeColor(b, 0, 0, kFull);
    tb_FloodFill(b, 4, 3, 0, 0, 0);  // inside the frame
    EXPECT_EQ(picture(b, 0x0000FF), (Rows{".........", ".???????.", ".?#####?.", ".?#####?.",
                                          ".?#####?.", ".???????.", "........."}));
    // Diagonal neighbours do not join areas.
    BitmapRef d = white_pen_bitmap(3, 3);
    set_pixel_rgb(d, 1, 0, 0xFFFFFF);
    set_pixel_rgb(d, 0, 1, 0xFFFFFF);
    set_pixel_rgb(d, 2, 1, 0xFFFFFF);
    set_pixel_rgb(d, 1, 2, 0xFFFFFF);
    tb_SetForeColor(d, 0, kFull, 0);
    tb_FloodFill(d, 1, 1, 0, 0, 0);
    EXPECT_EQ(picture(d, 0x00FF00), (Rows{".?.", "?#?", ".?."}));
}

TEST(FloodFill, MatchesAPlainFillOnARandomMaze) {
    fresh_toolbox();
    const int32_t w = 61, h = 47;
    BitmapRef b = make_bitmap(w, h);
    uint32_t seed = 12345;
    std::vector<uint32_t> expected(w * h);
    for (int32_t y = 0; y < h; ++y) {
        for (int32_t x = 0; x < w; ++x) {
            seed = seed * 1103515245u + 12345u;
            uint32_t c = (seed >> 16) % 100 < 58 ? 0x808080 : 0x102030;
            set_pixel_rgb(b, x, y, c);
            expected[y * w + x] = c;
        }
    }
    // The reference: one pixel at a time, breadth first.
    auto reference = [&](int32_t sx, int32_t sy, uint32_t from, uint32_t to) {
        std::deque<std::pair<int32_t, int32_t>> todo{{sx, sy}};
        while (!todo.empty()) {
            auto [x, y] = todo.front();
            todo.pop_front();
            if (x < 0 || y < 0 || x >= w || y >= h || expected[y * w + x] != from) continue;
            expected[y * w + x] = to;
            todo.insert(todo.end(), {{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}});
        }
    };
    tb_SetForeColor(b, 255 * 0xFF, 0, 0);
    for (auto [sx, sy] :
         {std::pair{30, 23}, std::pair{0, 0}, std::pair{60, 46}, std::pair{5, 40}}) {
        uint32_t from = pixel_rgb(b, sx, sy);
        if (from == 0xFF0000) continue;
        tb_FloodFill(b, sx, sy, ((from >> 16) & 255) * 255, ((from >> 8) & 255) * 255,
                     (from & 255) * 255);
        reference(sx, sy, from, 0xFF0000);
    }
    int differences = 0;
    for (int32_t y = 0; y < h; ++y) {
        for (int32_t x = 0; x < w; ++x) differences += pixel_rgb(b, x, y) != expected[y * w + x];
    }
    EXPECT_EQ(differences, 0);
}

TEST(FloodFill, NothingHappensWithoutAStartInItsColour) {
    fresh_toolbox();
    BitmapRef b = white_pen_bitmap(5, 5);
    tb_FloodFill(b, 2, 2, kFull, 0, 0);  // the pixel is black, not red
    tb_FloodFill(b, -1, 2, 0, 0, 0);
    tb_FloodFill(b, 2, 5, 0, 0, 0);
    tb_FloodFill(b, INT32_MIN, INT32_MAX, 0, 0, 0);
    EXPECT_EQ(count_ink(b), 0);
    tb_SetForeColor(b, 0, 0, 0);
    tb_FloodFill(b, 2, 2, 0, 0, 0);  // black over black ends at once
    EXPECT_EQ(count_ink(b, 0), 25);
    EXPECT_TRUE(shown_boxes().empty());
}

TEST(EightBit, DrawingUsesTheNearestPaletteIndex) {
    fresh_toolbox();
    BitmapRef b = make_bitmap(6, 2, 8);
    DibImage* img = tb_GetBitmapImage(b);
    tb_SetForeColor(b, kFull, kFull, kFull);
    Rect left{0, 0, 3, 2};
    tb_PaintRect(b, &left);
    EXPECT_EQ(*tb_PixelAddress(img, 0, 0), 255);
    tb_SetForeColor(b, 250 * 255, 2 * 255, 3 * 255);  // next to pure red
    tb_Line(b, 3, 1, 6, 1, 1);
    EXPECT_EQ(target_colour(b, 4, 1), tb_MakeColor(255, 0, 0));
    tb_SetForeColor(b, 0, 0, kFull);
    tb_FloodFill(b, 1, 1, kFull, kFull, kFull);
    EXPECT_EQ(target_colour(b, 0, 0), tb_MakeColor(0, 0, 255));
    EXPECT_EQ(target_colour(b, 3, 0), 0u);
}

TEST(Pattern, TilesAreAnchoredAtTheTopLeftCorner) {
    fresh_toolbox();
    // The smallest 24-bit picture the program has serves as the tile.
    struct Found {
        int32_t id = -1;
        int64_t area = INT64_MAX;
    } found;
    for_each_resource(
        [](ResourceKind kind, int32_t id, ResourceBytes bytes, void* context) {
            auto* f = static_cast<Found*>(context);
            if (kind != ResourceKind::Bitmap || bytes.size < sizeof(DibHeader)) return;
            const auto* h = reinterpret_cast<const DibHeader*>(bytes.data);
            if (h->bitCount == 24 && int64_t{h->width} * h->height < f->area) {
                f->area = int64_t{h->width} * h->height;
                f->id = id;
            }
        },
        &found);
    if (found.id < 0) GTEST_SKIP() << "no 24-bit picture among the resources";
    Rect tileRect{0, 0, 0, 0};
    BitmapRef tile = tb_CreateBitmap(&tileRect, found.id, 24);
    const int32_t tw = tileRect.right, th = tileRect.bottom;
    const int32_t W = 2 * tw + 3, H = th + 2;

    BitmapRef b = make_bitmap(W + 4, H + 3);
    Rect rect{7, 5, 7 + W, 5 + H};  // only its size matters
    tb_FillPattern(b, static_cast<int16_t>(found.id), &rect);
    int wrong = 0;
    for (int32_t y = 0; y < H + 3; ++y) {
        for (int32_t x = 0; x < W + 4; ++x) {
            uint32_t want = x < W && y < H ? pixel_rgb(tile, x % tw, y % th) : 0;
            wrong += pixel_rgb(b, x, y) != want;
        }
    }
    EXPECT_EQ(wrong, 0);

    // Too small a rect: nothing drawn, and the tile's slot is free again.
    BitmapRef c = make_bitmap(W, H);
    Rect narrow{0, 0, tw - 1, H};
    Rect inverted{H, W, 0, 0};
    tb_FillPattern(c, static_cast<int16_t>(found.id), &narrow);
    tb_FillPattern(c, static_cast<int16_t>(found.id), &inverted);
    for (int32_t y = 0; y < H; ++y) {
        for (int32_t x = 0; x < W; ++x) ASSERT_EQ(pixel_rgb(c, x, y), 0u);
    }
    EXPECT_EQ(make_bitmap(1, 1), c + 1);
    // A rect larger than the destination fills what there is.
    BitmapRef small = make_bitmap(tw + 1, th - 1);
    Rect big{0, 0, 10 * tw, 10 * th};
    tb_FillPattern(small, static_cast<int16_t>(found.id), &big);
    EXPECT_EQ(pixel_rgb(small, tw, 0), pixel_rgb(tile, 0, 0));
    EXPECT_TRUE(shown_boxes().empty());
}

TEST(Pixels, PutAndGetUseToolboxUnitsInsideTheBitmapRect) {
    fresh_toolbox();
    BitmapRef b = make_bitmap(3, 3, 24, TB_BITMAP_NODC);
    tb_PutPixel(b, 1, 2, 70000, 128 * 255 + 254, -5);  // clamped, then divided by 255
    tb_PutPixel(b, 3, 0, kFull, kFull, kFull);  // the right edge counts, the image ignores it
    tb_PutPixel(b, -1, 0, kFull, kFull, kFull);
    tb_PutPixel(b, 0, INT32_MAX, kFull, kFull, kFull);
    EXPECT_EQ(pixel_rgb(b, 1, 2), 0xFF8000u);
    EXPECT_EQ(count_ink(b, 0xFF8000), 1);
    EXPECT_EQ(count_ink(b, 0xFFFFFF), 0);
    int32_t r = -1, g = -1, bl = -1;
    tb_GetPixel(b, 1, 2, &r, &g, &bl);
    EXPECT_EQ((std::vector<int32_t>{r, g, bl}), (std::vector<int32_t>{kFull, 128 * 255, 0}));
    tb_GetPixel(b, 1, -1, &r, &g, &bl);
    EXPECT_EQ((std::vector<int32_t>{r, g, bl}), (std::vector<int32_t>{0, 0, 0}));
    EXPECT_TRUE(shown_boxes().empty());
    // A free slot: its rectangle cannot be read, which is reported, and nothing is drawn.
    tb_PutPixel(42, 0, 0, kFull, 0, 0);
    EXPECT_EQ(box_texts(), std::vector<std::string>{"Invalid bitmap! (tb_GetBitmapRect)"});
}
