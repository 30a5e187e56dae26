// The room scale. On a large screen the program lays out and composes its whole room for a
// screen s times smaller, and the window shows each composed pixel as an s x s block, so that
// the tools stay the size a child's hand expects. Two coordinate spaces meet here:
// - room coordinates: the composed pixels; everything above the window system uses these;
// - screen coordinates: the display's own pixels; only the window system and the native
//   dialogs see these.
// When the screen's size is not a multiple of s, the last column and row of the room are shown a
// little wider and taller, so that the room always reaches the screen's edges.
#pragma once

#include <cstdint>
#include <vector>

#include "toolbox/toolbox.h"

namespace room_scale {

constexpr int kLargest = 4;
// The smallest room the layout is drawn for.
constexpr int kLeastRoomWidth = 640;
constexpr int kLeastRoomHeight = 480;

// The largest s (1 to kLargest) that leaves a room of at least 640 x 480 on a screen of this
// size; 1 for screens that are smaller than that already.
int automatic(int screenWidth, int screenHeight);
// The scale used for a request (0 = automatic, otherwise 1 to kLargest; anything else counts
// as 1) on a screen of this size: the request, made smaller where the room would fall below
// 640 x 480, since the layout cannot be drawn in less.
int fitting(int requested, int screenWidth, int screenHeight);

// A scale on a given screen.
struct Mapping {
    int scale = 1;
    int screenWidth = 0;
    int screenHeight = 0;
    int roomWidth() const { return screenWidth / scale; }
    int roomHeight() const { return screenHeight / scale; }
};

// Screen to room, for a point relative to the window's top-left corner: each block of s x s
// screen pixels is one room pixel (rounding towards minus infinity, so a point just left of
// or above the window stays outside it), and the strip beyond the last whole block belongs to
// the last column or row.
Point to_room(const Mapping& m, Point screen);
// Room to screen: the centre of the room pixel's block.
Point to_screen(const Mapping& m, Point room);
// A screen rectangle in whole room pixels (each edge rounded towards minus infinity).
Rect to_room(const Mapping& m, const Rect& screen);
// The screen rectangle that shows a room rectangle (right and bottom exclusive); edges at or
// beyond the room's right or bottom edge go to the screen's edge.
Rect to_screen(const Mapping& m, const Rect& room);

// The screen's pixels: top-down rows of 2, 3 or 4 bytes per pixel.
struct ScreenRows {
    uint8_t* pixels = nullptr;
    int pitch = 0;
    int bytesPerPixel = 4;
    int width = 0;
    int height = 0;
};
// Turns a colour into the screen's pixel value. Null means 32-bit xRGB (0xFFRRGGBB).
using PixelMap = uint32_t (*)(uint8_t red, uint8_t green, uint8_t blue, const void* context);

// Shows the room rectangle `rect` of `room` (bottom-up 24-bit rows, room coordinates) on
// `screen`, each pixel as its block; rows are widened once and copied for the rest of the
// block. `rect` is clipped to the room image and the screen. Returns the screen rectangle
// written (empty when nothing was).
Rect enlarge(const DibImage& room, const Rect& rect, const Mapping& m, const ScreenRows& screen,
             PixelMap map = nullptr, const void* context = nullptr);

// A pointer image (RGBA rows, top-down) with each pixel as an s x s block.
std::vector<uint8_t> enlarge_rgba(const uint8_t* rgba, int width, int height, int scale);
// Where a pointer image's hot spot lies once enlarged: the centre of its pixel's block.
Point enlarged_hot_spot(Point hot, int scale);

// The scale in force for this run. request() is called before the window system starts
// (the bare program asks for 1); settle() by the window system once it knows the screen's
// size, and again whenever that size changes. Returns true when the scale changed.
void request(int scale);
int requested();
bool settle(int screenWidth, int screenHeight);
const Mapping& current();

}  // namespace room_scale
