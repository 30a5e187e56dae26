// The room scale: which scale a screen gets, how pointer positions reach the room, how the
// room's pixels are widened into blocks on the screen, and how the scale is asked for.
#include "toolbox/room_scale.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "shell/room_scale_option.h"
#include "test_support.h"
#include "toolbox/platform_headless.h"

namespace {

using room_scale::Mapping;

TEST(RoomScale, AutomaticIsTheLargestThatLeavesAtLeast640By480) {
    struct Case {
        int width, height, scale;
    } cases[] = {
        {1366, 768, 1},  {1920, 1080, 2}, {2560, 1440, 3}, {3840, 2160, 4},  // common screens
        {640, 480, 1},   {800, 600, 1},   {1024, 768, 1},  {600, 400, 1},    // small ones
        {1280, 960, 2},  {1279, 960, 1},  {1280, 959, 1},                    // exactly at the edge
        {2560, 1080, 2}, {1080, 1920, 1}, {1440, 2560, 2},  // wide, and turned on their side
        {7680, 4320, 4},                                    // never beyond 4
        {0, 0, 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(room_scale::automatic(c.width, c.height), c.scale)
            << c.width << " x " << c.height;
    }
}

TEST(RoomScale, ARequestIsKeptOnlyWhereTheRoomStillFits) {
    struct Case {
        int requested, width, height, scale;
    } cases[] = {
        {0, 1920, 1080, 2}, {1, 3840, 2160, 1}, {3, 3840, 2160, 3},
        {4, 3840, 2160, 4}, {4, 1920, 1080, 2},  // a 480 x 270 room could not hold the table of
                                                 // tools
        {2, 800, 600, 1},   {5, 3840, 2160, 1}, {-1, 3840, 2160, 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(room_scale::fitting(c.requested, c.width, c.height), c.scale)
            << c.requested << " on " << c.width << " x " << c.height;
    }
}

// The picture area's edges in room pixels are (147, 16) to (W - 19, H - 96); the screen pixels
// that must land on both sides of each edge.
TEST(RoomScale, PointerPositionsLandOnTheRoomPixelWhoseBlockHoldsThem) {
    struct Case {
        Mapping m;
        Point screen, room;
    } cases[] = {
        // s = 1: nothing moves.
        {{1, 800, 600}, {147, 16}, {147, 16}},
        {{1, 800, 600}, {780, 503}, {780, 503}},
        {{1, 800, 600}, {781, 504}, {781, 504}},
        // s = 2 on 1920 x 1080: room 960 x 540, picture (147, 16) - (941, 444).
        {{2, 1920, 1080}, {293, 31}, {146, 15}},
        {{2, 1920, 1080}, {294, 32}, {147, 16}},
        {{2, 1920, 1080}, {295, 33}, {147, 16}},
        {{2, 1920, 1080}, {1881, 887}, {940, 443}},
        {{2, 1920, 1080}, {1882, 888}, {941, 444}},
        {{2, 1920, 1080}, {1919, 1079}, {959, 539}},
        // s = 3 on 2560 x 1440: room 853 x 480, one screen column left over at the right.
        {{3, 2560, 1440}, {440, 47}, {146, 15}},
        {{3, 2560, 1440}, {441, 48}, {147, 16}},
        {{3, 2560, 1440}, {2501, 1151}, {833, 383}},
        {{3, 2560, 1440}, {2502, 1152}, {834, 384}},
        {{3, 2560, 1440}, {2558, 1439}, {852, 479}},
        {{3, 2560, 1440}, {2559, 1439}, {852, 479}},  // the strip belongs to the last column
        // Outside the window (a drag that left it) stays outside.
        {{2, 1920, 1080}, {-1, -2}, {-1, -1}},
        {{3, 2560, 1440}, {-3, -4}, {-1, -2}},
        {{2, 1920, 1080}, {1920, 1081}, {960, 540}},
    };
    for (const Case& c : cases) {
        const Point got = room_scale::to_room(c.m, c.screen);
        EXPECT_EQ(got.x, c.room.x) << "s=" << c.m.scale << " x=" << c.screen.x;
        EXPECT_EQ(got.y, c.room.y) << "s=" << c.m.scale << " y=" << c.screen.y;
    }
    // A warped pointer comes back to the room pixel it was sent to.
    for (int s = 1; s <= 4; ++s) {
        const Mapping m{s, 853 * s + s - 1, 480 * s};
        for (Point p : {Point{0, 0}, Point{147, 16}, Point{852, 479}}) {
            const Point back = room_scale::to_room(m, room_scale::to_screen(m, p));
            EXPECT_EQ(back.x, p.x);
            EXPECT_EQ(back.y, p.y);
        }
    }
}

// A 3 x 2 room image, each pixel its own colour (red = 10 * (x + 1), green = y + 1).
DibImage small_room() {
    DibImage room;
    tb_AllocDib24(&room, 3, 2);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) {
            tb_SetPixelRGB(&room, x, y, static_cast<uint8_t>(10 * (x + 1)),
                           static_cast<uint8_t>(y + 1), 0);
        }
    }
    return room;
}

uint32_t xrgb_of_room(int x, int y) {
    return 0xFF000000u | (uint32_t(10 * (x + 1)) << 16) | (uint32_t(y + 1) << 8);
}

constexpr uint32_t kUntouched = 0x12345678;

// The expected screen for a room rectangle shown at scale 2 on a 7 x 5 screen (the last room
// column 3 pixels wide, the last row 3 tall): blocks inside the rectangle, the rest untouched.
uint32_t expected_pixel(int sx, int sy, const Rect& shown) {
    const int rx = std::min(sx / 2, 2), ry = std::min(sy / 2, 1);
    const bool inside =
        rx >= shown.left && rx < shown.right && ry >= shown.top && ry < shown.bottom;
    return inside ? xrgb_of_room(rx, ry) : kUntouched;
}

TEST(RoomScale, EnlargingFillsEachBlockAndOnlyTheChangedRectangle) {
    DibImage room = small_room();
    const Mapping m{2, 7, 5};
    struct Case {
        Rect rect;
        Rect shown;    // in room pixels, after clipping
        Rect written;  // screen pixels
    } cases[] = {
        {{0, 0, 3, 2}, {0, 0, 3, 2}, {0, 0, 7, 5}},    // the whole room reaches every edge
        {{1, 0, 2, 1}, {1, 0, 2, 1}, {2, 0, 4, 2}},    // one pixel inside
        {{2, 1, 3, 2}, {2, 1, 3, 2}, {4, 2, 7, 5}},    // the corner pixel takes the strips
        {{-5, -5, 1, 9}, {0, 0, 1, 2}, {0, 0, 2, 5}},  // clipped to the room
        {{3, 0, 9, 2}, {0, 0, 0, 0}, {0, 0, 0, 0}},    // nothing of the room
    };
    for (const Case& c : cases) {
        std::vector<uint32_t> screen(7 * 5, kUntouched);
        const room_scale::ScreenRows rows{reinterpret_cast<uint8_t*>(screen.data()), 7 * 4, 4, 7,
                                          5};
        const Rect written = room_scale::enlarge(room, c.rect, m, rows);
        EXPECT_EQ(written.left, c.written.left);
        EXPECT_EQ(written.top, c.written.top);
        EXPECT_EQ(written.right, c.written.right);
        EXPECT_EQ(written.bottom, c.written.bottom);
        for (int sy = 0; sy < 5; ++sy) {
            for (int sx = 0; sx < 7; ++sx) {
                EXPECT_EQ(screen[sy * 7 + sx], expected_pixel(sx, sy, c.shown))
                    << "rect " << c.rect.left << "," << c.rect.top << " screen " << sx << "," << sy;
            }
        }
    }
    tb_FreeDibImage(&room);
}

// 16-bit screens go through the screen's own colour mapping, block for block, and a row pitch
// wider than the row is respected.
TEST(RoomScale, EnlargingOntoOtherPixelFormatsUsesTheScreensMapping) {
    DibImage room = small_room();
    const auto to565 = [](uint8_t r, uint8_t g, uint8_t b, const void*) -> uint32_t {
        return uint32_t((r >> 3) << 11) | uint32_t((g >> 2) << 5) | uint32_t(b >> 3);
    };
    constexpr int kPitch = 16;  // 8 pixels of room, 6 used
    std::vector<uint16_t> screen(kPitch / 2 * 4, 0xFFFF);
    const room_scale::ScreenRows rows{reinterpret_cast<uint8_t*>(screen.data()), kPitch, 2, 6, 4};
    const Rect written = room_scale::enlarge(room, Rect{0, 0, 3, 2}, Mapping{2, 6, 4}, rows, to565);
    EXPECT_EQ(written.right, 6);
    EXPECT_EQ(written.bottom, 4);
    for (int sy = 0; sy < 4; ++sy) {
        for (int sx = 0; sx < 8; ++sx) {
            const uint16_t want =
                sx < 6 ? static_cast<uint16_t>(to565(static_cast<uint8_t>(10 * (sx / 2 + 1)),
                                                     static_cast<uint8_t>(sy / 2 + 1), 0, nullptr))
                       : 0xFFFF;
            EXPECT_EQ(screen[sy * 8 + sx], want) << sx << "," << sy;
        }
    }
    tb_FreeDibImage(&room);
}

TEST(RoomScale, PointerImagesGrowWithTheirHotSpotInTheCentreOfItsBlock) {
    const uint8_t image[2 * 1 * 4] = {1, 2, 3, 4, 5, 6, 7, 8};
    const std::vector<uint8_t> big = room_scale::enlarge_rgba(image, 2, 1, 3);
    ASSERT_EQ(big.size(), size_t{6 * 3 * 4});
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 6; ++x) {
            EXPECT_EQ(std::memcmp(&big[(y * 6 + x) * 4], &image[(x / 3) * 4], 4), 0) << x << y;
        }
    }
    struct Case {
        Point hot;
        int scale;
        Point want;
    } cases[] = {
        {{0, 0}, 1, {0, 0}}, {{5, 7}, 2, {11, 15}}, {{5, 7}, 3, {16, 22}}, {{15, 0}, 4, {62, 2}}};
    for (const Case& c : cases) {
        const Point got = room_scale::enlarged_hot_spot(c.hot, c.scale);
        EXPECT_EQ(got.x, c.want.x);
        EXPECT_EQ(got.y, c.want.y);
    }
}

// The desktop the program lays itself out on is the screen in room pixels.
TEST(RoomScale, TheDesktopIsMeasuredInRoomPixels) {
    fresh_toolbox();
    headless::set_screen(24, Rect{0, 0, 1920, 1080});
    room_scale::request(0);
    EXPECT_TRUE(room_scale::settle(1920, 1080));
    EXPECT_EQ(tb_GetRoomScale(), 2);
    Rect desktop;
    tb_GetDesktopRect(&desktop);
    EXPECT_EQ(desktop.right, 960);
    EXPECT_EQ(desktop.bottom, 540);
    // A screen that shrinks takes the room scale down with it.
    EXPECT_TRUE(room_scale::settle(1280, 720));
    EXPECT_EQ(tb_GetRoomScale(), 1);
    EXPECT_FALSE(room_scale::settle(1280, 720));
    room_scale::request(1);
    room_scale::settle(0, 0);
}

TEST(RoomScaleOption, CommandLineFirstThenTheEnvironmentThenOne) {
    struct Case {
        std::vector<const char*> args;
        const char* environment;
        int32_t want;
    } cases[] = {
        {{}, nullptr, 1},
        {{"--scale=auto"}, nullptr, 0},
        {{"--scale=3"}, nullptr, 3},
        {{"--scale=2"}, "auto", 2},
        {{}, "4", 4},
        {{}, "auto", 0},
        {{}, "", 1},
        {{"--scale=1", "--scale=4"}, nullptr, 4},  // the last one counts
        {{"--scale=5"}, "2", 2},                   // unreadable: passed over
        {{"--scale=0"}, nullptr, 1},
        {{"--scale="}, nullptr, 1},
        {{"--scale=22"}, nullptr, 1},
        {{"--scale=2x"}, "3", 3},
        {{"--scale"}, "big", 1},
        {{"picture.bmp", "--scale=2"}, nullptr, 2},
    };
    for (const Case& c : cases) {
        std::vector<const char*> argv{"tintamar"};
        argv.insert(argv.end(), c.args.begin(), c.args.end());
        EXPECT_EQ(room_scale_option(static_cast<int>(argv.size()), argv.data(), c.environment),
                  c.want)
            << (c.args.empty() ? "" : c.args.back());
    }
}

}  // namespace
