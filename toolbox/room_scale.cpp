// The room scale: choosing it, mapping between room and screen, and widening the room's pixels
// into blocks on the screen.
#include "toolbox/room_scale.h"

#include <algorithm>
#include <cstring>

namespace room_scale {

namespace {

int g_requested = 1;
Mapping g_current;

int floor_div(int v, int s) { return v >= 0 ? v / s : -((-v + s - 1) / s); }

int coord_to_room(int v, int s, int roomSize, int screenSize) {
    if (v >= roomSize * s && v < screenSize) return roomSize - 1;
    return floor_div(v, s);
}

// A mapping not yet settled on a screen (size 0) has no edge to reach.
int edge_to_screen(int v, int s, int roomSize, int screenSize) {
    return roomSize > 0 && v >= roomSize ? screenSize : v * s;
}

// One room row widened into one screen row of 32-bit xRGB: S copies of each pixel, and `last`
// copies of the final one (the strip that reaches the screen's edge).
template <int S>
void widen_xrgb(const uint8_t* src, int count, int last, uint32_t* dst) {
    for (int i = 0; i < count - 1; ++i, src += 3) {
        const uint32_t v =
            0xFF000000u | (uint32_t{src[2]} << 16) | (uint32_t{src[1]} << 8) | src[0];
        for (int k = 0; k < S; ++k) *dst++ = v;
    }
    const uint32_t v = 0xFF000000u | (uint32_t{src[2]} << 16) | (uint32_t{src[1]} << 8) | src[0];
    for (int k = 0; k < last; ++k) *dst++ = v;
}

void widen_xrgb_any(const uint8_t* src, int count, int s, int last, uint32_t* dst) {
    switch (s) {
        case 1:
            widen_xrgb<1>(src, count, last, dst);
            return;
        case 2:
            widen_xrgb<2>(src, count, last, dst);
            return;
        case 3:
            widen_xrgb<3>(src, count, last, dst);
            return;
        default:
            widen_xrgb<4>(src, count, last, dst);
            return;
    }
}

// The same for any other pixel format, through the screen's own colour mapping.
void widen_mapped(const uint8_t* src, int count, int s, int last, int bytes, PixelMap map,
                  const void* context, uint8_t* dst) {
    for (int i = 0; i < count; ++i, src += 3) {
        const uint32_t v = map(src[2], src[1], src[0], context);
        const int copies = i == count - 1 ? last : s;
        for (int k = 0; k < copies; ++k, dst += bytes) {
            if (bytes == 2) {
                const auto v16 = static_cast<uint16_t>(v);
                std::memcpy(dst, &v16, 2);
            } else {
                std::memcpy(dst, &v, static_cast<size_t>(bytes));  // little-endian: low bytes
            }
        }
    }
}

}  // namespace

int automatic(int screenWidth, int screenHeight) {
    for (int s = kLargest; s > 1; --s) {
        if (screenWidth / s >= kLeastRoomWidth && screenHeight / s >= kLeastRoomHeight) return s;
    }
    return 1;
}

int fitting(int requested, int screenWidth, int screenHeight) {
    const int most = automatic(screenWidth, screenHeight);
    if (requested == 0) return most;
    if (requested < 1 || requested > kLargest) return 1;
    return std::min(requested, most);
}

Point to_room(const Mapping& m, Point screen) {
    return Point{coord_to_room(screen.x, m.scale, m.roomWidth(), m.screenWidth),
                 coord_to_room(screen.y, m.scale, m.roomHeight(), m.screenHeight)};
}

Point to_screen(const Mapping& m, Point room) {
    return Point{room.x * m.scale + m.scale / 2, room.y * m.scale + m.scale / 2};
}

Rect to_screen(const Mapping& m, const Rect& room) {
    return Rect{edge_to_screen(room.left, m.scale, m.roomWidth(), m.screenWidth),
                edge_to_screen(room.top, m.scale, m.roomHeight(), m.screenHeight),
                edge_to_screen(room.right, m.scale, m.roomWidth(), m.screenWidth),
                edge_to_screen(room.bottom, m.scale, m.roomHeight(), m.screenHeight)};
}

Rect to_room(const Mapping& m, const Rect& screen) {
    return Rect{floor_div(screen.left, m.scale), floor_div(screen.top, m.scale),
                floor_div(screen.right, m.scale), floor_div(screen.bottom, m.scale)};
}

Rect enlarge(const DibImage& room, const Rect& rect, const Mapping& m, const ScreenRows& screen,
             PixelMap map, const void* context) {
    if (room.header == nullptr || screen.pixels == nullptr || m.scale < 1) return Rect{};
    const DibHeader& h = *room.header;
    const int s = m.scale;
    // Clip in room coordinates to the image and to the whole blocks the screen can hold.
    const int roomRight = std::min(h.width, (screen.width + s - 1) / s);
    const int roomBottom = std::min(h.height, (screen.height + s - 1) / s);
    const Rect r{std::max(rect.left, 0), std::max(rect.top, 0), std::min(rect.right, roomRight),
                 std::min(rect.bottom, roomBottom)};
    if (r.left >= r.right || r.top >= r.bottom) return Rect{};
    Rect out = to_screen(m, r);
    out.right = std::min(out.right, screen.width);
    out.bottom = std::min(out.bottom, screen.height);
    if (out.left >= out.right || out.top >= out.bottom) return Rect{};

    const int count = r.right - r.left;
    const int last = out.right - (out.left + (count - 1) * s);  // the final pixel's width
    if (last <= 0) return Rect{};
    const size_t stride = static_cast<size_t>((3 * h.width + 3) & ~3);
    const size_t rowBytes = static_cast<size_t>(out.right - out.left) * screen.bytesPerPixel;
    const bool xrgb = map == nullptr && screen.bytesPerPixel == 4;
    for (int y = r.top; y < r.bottom; ++y) {
        const int top = y * s;
        const int bottom = std::min(y == m.roomHeight() - 1 ? screen.height : top + s, out.bottom);
        if (top >= bottom) break;
        const uint8_t* src = room.pixels + static_cast<size_t>(h.height - 1 - y) * stride +
                             3 * static_cast<size_t>(r.left);
        uint8_t* first = screen.pixels + static_cast<size_t>(top) * screen.pitch +
                         static_cast<size_t>(out.left) * screen.bytesPerPixel;
        if (xrgb) {
            widen_xrgb_any(src, count, s, last, reinterpret_cast<uint32_t*>(first));
        } else if (map != nullptr) {
            widen_mapped(src, count, s, last, screen.bytesPerPixel, map, context, first);
        } else {
            return Rect{};  // no way to turn colours into pixels of this size
        }
        for (int row = top + 1; row < bottom; ++row) {
            std::memcpy(first + static_cast<size_t>(row - top) * screen.pitch, first, rowBytes);
        }
    }
    return out;
}

std::vector<uint8_t> enlarge_rgba(const uint8_t* rgba, int width, int height, int scale) {
    if (rgba == nullptr || width <= 0 || height <= 0 || scale < 1) return {};
    const size_t outWidth = static_cast<size_t>(width) * scale;
    std::vector<uint8_t> out(outWidth * height * scale * 4);
    for (int y = 0; y < height; ++y) {
        uint8_t* row = out.data() + static_cast<size_t>(y) * scale * outWidth * 4;
        for (int x = 0; x < width; ++x) {
            const uint8_t* p = rgba + (static_cast<size_t>(y) * width + x) * 4;
            for (int k = 0; k < scale; ++k) std::memcpy(row + (x * scale + k) * 4, p, 4);
        }
        for (int k = 1; k < scale; ++k) std::memcpy(row + k * outWidth * 4, row, outWidth * 4);
    }
    return out;
}

Point enlarged_hot_spot(Point hot, int scale) {
    return Point{hot.x * scale + scale / 2, hot.y * scale + scale / 2};
}

void request(int scale) { g_requested = scale; }

int requested() { return g_requested; }

bool settle(int screenWidth, int screenHeight) {
    const int before = g_current.scale;
    g_current = Mapping{fitting(g_requested, screenWidth, screenHeight), screenWidth, screenHeight};
    return g_current.scale != before;
}

const Mapping& current() { return g_current; }

}  // namespace room_scale

void tb_SetRoomScale(int32_t requested) { room_scale::request(requested); }

int32_t tb_GetRoomScale() { return room_scale::current().scale; }
