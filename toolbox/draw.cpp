// Drawing primitives: colour state, rectangles, ellipses, lines, flood and pattern fills,
// single pixels and painted regions. Coordinates are the target's own pixels, top-left origin.
//
// How shapes become pixels (solid, never blended; one rule for every shape):
// - A pixel belongs to a shape when its centre (x + 0.5, y + 0.5) lies inside it or on its edge.
// - An ellipse is the one inscribed in its right- and bottom-exclusive box. Its outline is the
//   set of its pixels that have a direct (4-way) neighbour outside it: one pixel thick,
//   unbroken, and always inside the filled shape. (An ellipse only two rows high and much
//   wider may stop a pixel short of its box's ends: their centres lie outside it.)
// - A wide line is the segment swept by a round pen of the line's width, so both ends are round
//   and a line of zero length is a dot. The pen is the ellipse inscribed in the width x width box
//   around the pixel (centred on the pixel's centre for odd widths, on its top-left corner for
//   even ones), so a dot is exactly tb_PaintEllipse of that box.
// - A one-pixel line takes one pixel per step along its longer axis and rounds the other axis
//   to the nearest pixel (halves away from the start); its end point is not drawn.
// - A flood fill spreads to the four direct neighbours only.
// Every shape is produced as horizontal spans, clipped to the drawable area before any pixel
// is touched.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "toolbox/internal.h"

using namespace tb;

namespace {

__extension__ typedef unsigned __int128 Wide;

// Wider pens than this would cover any picture many times over; the limit keeps pen boxes
// inside 32-bit coordinates' reach of the picture.
constexpr int32_t kMaxPenWidth = 1 << 24;

void report(const char* what, const char* operation) {
    std::string text = std::string(what) + " (" + operation + ")";
    tb_Error(text.c_str());
}

// Resolves a target for a primitive that names itself `operation` in its messages. A bitmap
// slot that is free, or has no drawing context, is reported; window handles are not checked
// (an unknown window simply has nothing to draw on).
bool open_target(TargetRef target, const char* operation, Target* t) {
    if (is_bitmap_handle(target)) {
        if (!valid_bitmap(target)) {
            report("Invalid bitmap!", operation);
            return false;
        }
        if (g_bitmaps[target].hasContext == 0) {
            report("Bitmap does not have a DC!", operation);
            return false;
        }
    }
    *t = resolve_target(target);
    return t->image != nullptr && t->image->header != nullptr;
}

// --- Spans ---------------------------------------------------------------------------------------

using SpanWriter = void (*)(uint8_t* row, int32_t x0, int32_t x1, const uint8_t* pattern);

// 24-bit: the pattern holds the colour 16 times, so long spans go 48 bytes at a time.
void write_span24(uint8_t* row, int32_t x0, int32_t x1, const uint8_t* pattern) {
    uint8_t* p = row + 3 * static_cast<size_t>(x0);
    auto n = static_cast<size_t>(x1 - x0);
    for (; n >= 16; n -= 16, p += 48) std::memcpy(p, pattern, 48);
    std::memcpy(p, pattern, 3 * n);
}

void write_span8(uint8_t* row, int32_t x0, int32_t x1, const uint8_t* pattern) {
    std::memset(row + x0, pattern[0], static_cast<size_t>(x1 - x0));
}

void write_span1(uint8_t* row, int32_t x0, int32_t x1, const uint8_t* pattern) {
    for (int32_t x = x0; x < x1; ++x) {
        auto bit = static_cast<uint8_t>(0x80 >> (x % 8));
        row[x / 8] = static_cast<uint8_t>(pattern[0] != 0 ? row[x / 8] | bit : row[x / 8] & ~bit);
    }
}

// Where a primitive's spans go: the target's rows, the area it may touch, its colour as the
// image stores it and the span writer for the image's depth, chosen once.
struct Painter {
    DibImage* image = nullptr;
    int32_t bitmapSlot = -1;  // a bitmap's rows are prepared for its snapshot as they are written
    int32_t stride = 0;
    int32_t height = 0;
    Rect area;
    SpanWriter write = nullptr;
    uint8_t pattern[48] = {};
    Rect touched{std::numeric_limits<int32_t>::max(), std::numeric_limits<int32_t>::max(),
                 std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::min()};

    uint8_t* row(int32_t y) const {
        return image->pixels + static_cast<size_t>(height - 1 - y) * static_cast<size_t>(stride);
    }

    // Pixels [x0, x1) of row y, cut to the area.
    void span(int64_t y, int64_t x0, int64_t x1) {
        if (y < area.top || y >= area.bottom) return;
        auto from = static_cast<int32_t>(std::max<int64_t>(x0, area.left));
        auto to = static_cast<int32_t>(std::min<int64_t>(x1, area.right));
        if (from >= to) return;
        auto row_y = static_cast<int32_t>(y);
        prepare_writing(bitmapSlot, row_y, row_y + 1);
        write(row(row_y), from, to, pattern);
        touched.left = std::min(touched.left, from);
        touched.right = std::max(touched.right, to);
        touched.top = std::min(touched.top, row_y);
        touched.bottom = std::max(touched.bottom, row_y + 1);
    }
};

bool start_painting(const Target& t, const Rect& area, TbColor color, Painter* p) {
    DibImage* img = t.image;
    switch (img->header->bitCount) {
        case 24:
            p->write = write_span24;
            break;
        case 8:
            p->write = write_span8;
            break;
        case 1:
            p->write = write_span1;
            break;
        default:
            return false;
    }
    p->image = img;
    p->bitmapSlot = t.bitmapSlot;
    p->stride = tb_StorageWidth(img->header->bitCount, img->header->width);
    p->height = img->header->height;
    p->area = area;
    uint32_t stored = color_to_stored(*img, color);
    if (img->header->bitCount == 24) {
        for (int i = 0; i < 16; ++i) {
            p->pattern[3 * i] = static_cast<uint8_t>(stored);
            p->pattern[3 * i + 1] = static_cast<uint8_t>(stored >> 8);
            p->pattern[3 * i + 2] = static_cast<uint8_t>(stored >> 16);
        }
    } else {
        p->pattern[0] = static_cast<uint8_t>(stored);
    }
    return area.left < area.right && area.top < area.bottom;
}

// What a primitive changed is noted on its target; drawing on a window shows it at once.
void finish_painting(const Target& t, const Painter& p) {
    if (p.touched.left >= p.touched.right) return;
    note_touched(t, p.touched);
    if (t.windowSlot >= 0) present_window(t.windowSlot, p.touched);
}

bool clip_complete(const Rect& r) {
    return r.left != -1 && r.top != -1 && r.right != -1 && r.bottom != -1;
}

// A line applies the stored clip rect first. On a bitmap it then stays in force for later
// primitives, as after a copy; a window's drawing context lasts for this one line.
Rect line_area(TargetRef target, const Target& t) {
    if (t.clip == nullptr || !clip_complete(t.clip->stored)) return drawable_area(t);
    if (is_bitmap_handle(target)) {
        t.clip->applied = t.clip->stored;
        return drawable_area(t);
    }
    Rect bounds{0, 0, t.image->header->width, t.image->header->height};
    Rect area;
    tb_IntersectRect(&area, &bounds, &t.clip->stored);
    return area;
}

// --- Ellipses ------------------------------------------------------------------------------------

void ellipse_rows(Painter& p, const Rect& box) {
    int32_t top = std::max(box.top, p.area.top);
    int32_t bottom = std::min(box.bottom, p.area.bottom);
    for (int32_t y = top; y < bottom; ++y) {
        int64_t x0 = 0, x1 = 0;
        if (ellipse_row_span(box, y, &x0, &x1)) p.span(y, x0, x1);
    }
}

void ellipse_outline_rows(Painter& p, const Rect& box) {
    int32_t top = std::max(box.top, p.area.top);
    int32_t bottom = std::min(box.bottom, p.area.bottom);
    for (int32_t y = top; y < bottom; ++y) {
        int64_t x0 = 0, x1 = 0;
        if (!ellipse_row_span(box, y, &x0, &x1)) continue;
        // Interior pixels: not at either end of the row, and with pixels above and below.
        int64_t in0 = x0 + 1, in1 = x1 - 1;
        for (int64_t ny : {int64_t{y} - 1, int64_t{y} + 1}) {
            int64_t n0 = 0, n1 = 0;
            if (ny < box.top || ny >= box.bottom ||
                !ellipse_row_span(box, static_cast<int32_t>(ny), &n0, &n1)) {
                in1 = in0;
                break;
            }
            in0 = std::max(in0, n0);
            in1 = std::min(in1, n1);
        }
        if (in0 >= in1) {
            p.span(y, x0, x1);
        } else {
            p.span(y, x0, in0);
            p.span(y, in1, x1);
        }
    }
}

// --- Lines ---------------------------------------------------------------------------------------

void thin_line(Painter& p, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    const int64_t dx = int64_t{x2} - x1;
    const int64_t dy = int64_t{y2} - y1;
    const bool alongX = std::llabs(dx) >= std::llabs(dy);
    const int64_t steps = alongX ? std::llabs(dx) : std::llabs(dy);  // step `steps` not drawn
    if (steps == 0) return;
    const int64_t rise = alongX ? std::llabs(dy) : std::llabs(dx);
    const int64_t majorStart = alongX ? x1 : y1;
    const int64_t minorStart = alongX ? y1 : x1;
    const int64_t majorDir = (alongX ? dx : dy) < 0 ? -1 : 1;
    const int64_t minorDir = (alongX ? dy : dx) < 0 ? -1 : 1;

    // Only the steps whose major coordinate lies in the area are walked.
    const int64_t lo = alongX ? p.area.left : p.area.top;
    const int64_t hi = (alongX ? p.area.right : p.area.bottom) - int64_t{1};
    int64_t first = majorDir > 0 ? lo - majorStart : majorStart - hi;
    int64_t last = majorDir > 0 ? hi - majorStart : majorStart - lo;
    first = std::max<int64_t>(first, 0);
    last = std::min(last, steps - 1);
    if (first > last) return;

    // Minor offset of step i: i * rise / steps, rounded to nearest, i.e.
    // floor((2 i rise + steps) / (2 steps)), carried forward as quotient and remainder.
    const int64_t twiceSteps = 2 * steps;
    const Wide start = Wide(2) * Wide(first) * Wide(rise) + Wide(steps);
    auto offset = static_cast<int64_t>(start / Wide(twiceSteps));
    auto remainder = static_cast<int64_t>(start % Wide(twiceSteps));
    for (int64_t i = first; i <= last; ++i) {
        const int64_t major = majorStart + i * majorDir;
        const int64_t minor = minorStart + offset * minorDir;
        if (alongX) {
            p.span(minor, major, major + 1);
        } else {
            p.span(major, minor, minor + 1);
        }
        remainder += 2 * rise;
        if (remainder >= twiceSteps) {
            remainder -= twiceSteps;
            ++offset;
        }
    }
}

// The box of the round pen at pixel (x, y); false when it would leave 32-bit coordinates.
bool pen_box(int32_t x, int32_t y, int32_t width, Rect* box) {
    const int64_t left = int64_t{x} - width / 2;
    const int64_t top = int64_t{y} - width / 2;
    const int64_t limit = std::numeric_limits<int32_t>::max();
    if (left < -limit || top < -limit || left + width > limit || top + width > limit) return false;
    *box = Rect{static_cast<int32_t>(left), static_cast<int32_t>(top),
                static_cast<int32_t>(left + width), static_cast<int32_t>(top + width)};
    return true;
}

// A segment swept by a disc, in pixel-edge coordinates.
struct Capsule {
    double ax, ay, bx, by;  // centres of the end discs
    double dx, dy;          // b - a
    double length2;         // |b - a|^2
    double radius2;
    double radiusLength;  // radius * |b - a|
};

// Narrows [lo, hi] to the q with k * q in [from, to].
void narrow(double& lo, double& hi, double k, double from, double to) {
    if (k > 0) {
        lo = std::max(lo, from / k);
        hi = std::min(hi, to / k);
    } else if (k < 0) {
        lo = std::max(lo, to / k);
        hi = std::min(hi, from / k);
    } else if (from > 0 || to < 0) {
        lo = 1;
        hi = 0;
    }
}

// The pixels of row y whose centres lie within the pen's radius of the segment.
bool capsule_row_span(const Capsule& c, int64_t y, int64_t* x0, int64_t* x1) {
    const double yc = static_cast<double>(y) + 0.5;
    double lo = std::numeric_limits<double>::infinity();
    double hi = -lo;
    for (int end = 0; end < 2; ++end) {
        const double cx = end == 0 ? c.ax : c.bx;
        const double d = yc - (end == 0 ? c.ay : c.by);
        const double s = c.radius2 - d * d;
        if (s >= 0) {
            const double half = std::sqrt(s);
            lo = std::min(lo, cx - half);
            hi = std::max(hi, cx + half);
        }
    }
    // Between the end discs, with q = p - a and d = b - a: 0 <= q.d <= |d|^2 and
    // |q x d| <= r |d|, both linear in q's x part.
    const double qy = yc - c.ay;
    double bandLo = -std::numeric_limits<double>::infinity();
    double bandHi = std::numeric_limits<double>::infinity();
    narrow(bandLo, bandHi, c.dx, -qy * c.dy, c.length2 - qy * c.dy);
    narrow(bandLo, bandHi, c.dy, qy * c.dx - c.radiusLength, qy * c.dx + c.radiusLength);
    if (bandLo <= bandHi) {
        lo = std::min(lo, c.ax + bandLo);
        hi = std::max(hi, c.ax + bandHi);
    }
    if (!(lo <= hi)) return false;
    *x0 = static_cast<int64_t>(std::ceil(lo - 0.5));
    *x1 = static_cast<int64_t>(std::floor(hi - 0.5)) + 1;
    return *x0 < *x1;
}

void wide_line(Painter& p, int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t width) {
    if (x1 == x2 && y1 == y2) {
        Rect box;
        if (pen_box(x1, y1, width, &box)) ellipse_rows(p, box);
        return;
    }
    const double centre = width % 2 != 0 ? 0.5 : 0.0;
    const double radius = width / 2.0;
    Capsule c{};
    c.ax = x1 + centre;
    c.ay = y1 + centre;
    c.bx = x2 + centre;
    c.by = y2 + centre;
    c.dx = c.bx - c.ax;
    c.dy = c.by - c.ay;
    c.length2 = c.dx * c.dx + c.dy * c.dy;
    c.radius2 = radius * radius;
    c.radiusLength = radius * std::sqrt(c.length2);
    const double top = std::floor(std::min(c.ay, c.by) - radius);
    const double bottom = std::ceil(std::max(c.ay, c.by) + radius);
    auto from = static_cast<int32_t>(std::max<double>(top, p.area.top));
    auto to = static_cast<int32_t>(std::min<double>(bottom, p.area.bottom));
    for (int32_t y = from; y < to; ++y) {
        int64_t s0 = 0, s1 = 0;
        if (capsule_row_span(c, y, &s0, &s1)) p.span(y, s0, s1);
    }
}

// --- Flood fill ----------------------------------------------------------------------------------

// Which stored pixels have the colour a flood fill spreads over, and how far a run of them
// reaches from a pixel that has it: end_of_run gives the first pixel in [x, limit) without the
// colour (or limit), start_of_run the first pixel of the run ending at x (not below limit).

// 24-bit runs are compared 16 pixels (48 bytes) at a time: the fill's speed is in these scans.
struct Match24 {
    uint8_t block[48];  // the colour, 16 times

    explicit Match24(TbColor color) {
        for (int i = 0; i < 16; ++i) {
            block[3 * i] = tb_ColorBlue(color);
            block[3 * i + 1] = tb_ColorGreen(color);
            block[3 * i + 2] = tb_ColorRed(color);
        }
    }
    bool operator()(const uint8_t* row, int32_t x) const {
        const uint8_t* px = row + 3 * static_cast<size_t>(x);
        return px[0] == block[0] && px[1] == block[1] && px[2] == block[2];
    }
    bool whole_block(const uint8_t* px) const {
        uint64_t difference = 0;
        for (int i = 0; i < 6; ++i) {
            uint64_t a = 0, b = 0;
            std::memcpy(&a, px + 8 * i, 8);
            std::memcpy(&b, block + 8 * i, 8);
            difference |= a ^ b;
        }
        return difference == 0;
    }
    int32_t end_of_run(const uint8_t* row, int32_t x, int32_t limit) const {
        while (limit - x >= 16 && whole_block(row + 3 * static_cast<size_t>(x))) x += 16;
        while (x < limit && (*this)(row, x)) ++x;
        return x;
    }
    int32_t start_of_run(const uint8_t* row, int32_t x, int32_t limit) const {
        while (x - limit >= 16 && whole_block(row + 3 * static_cast<size_t>(x - 16))) x -= 16;
        while (x > limit && (*this)(row, x - 1)) --x;
        return x;
    }
};

// 8- and 1-bit pixels: several palette indices may show the same colour.
struct MatchIndexed {
    bool bits1 = false;
    bool matches[256] = {};
    bool operator()(const uint8_t* row, int32_t x) const {
        if (bits1) return matches[(row[x / 8] >> (7 - x % 8)) & 1];
        return matches[row[x]];
    }
    int32_t end_of_run(const uint8_t* row, int32_t x, int32_t limit) const {
        while (x < limit && (*this)(row, x)) ++x;
        return x;
    }
    int32_t start_of_run(const uint8_t* row, int32_t x, int32_t limit) const {
        while (x > limit && (*this)(row, x - 1)) --x;
        return x;
    }
};

// A run of row y already filled over [left, right]; row y + dy is still to be looked at.
struct Segment {
    int32_t y, left, right, dy;
};

// Scanline fill: each run of matching pixels is found, filled as one span, and the rows above
// and below are searched only where they touch it (plus, back towards the parent row, where
// the run overhangs it).
template <typename Match>
void flood(Painter& p, const Match& match, int32_t x, int32_t y) {
    const Rect& a = p.area;
    if (x < a.left || x >= a.right || y < a.top || y >= a.bottom || !match(p.row(y), x)) return;
    const uint8_t* row = p.row(y);
    int32_t left = match.start_of_run(row, x, a.left);
    int32_t right = match.end_of_run(row, x + 1, a.right) - 1;
    p.span(y, left, right + 1);
    std::vector<Segment> pending{{y, left, right, -1}, {y, left, right, 1}};
    pending.reserve(256);
    while (!pending.empty()) {
        const Segment s = pending.back();
        pending.pop_back();
        const int32_t ny = s.y + s.dy;
        if (ny < a.top || ny >= a.bottom) continue;
        row = p.row(ny);
        int32_t cx = s.left;
        if (match(row, cx)) {
            left = match.start_of_run(row, cx, a.left);
            if (left < s.left) pending.push_back({ny, left, s.left - 1, -s.dy});
        } else {
            while (++cx <= s.right && !match(row, cx)) {
            }
            if (cx > s.right) continue;
            left = cx;
        }
        for (;;) {
            right = match.end_of_run(row, cx + 1, a.right) - 1;
            p.span(ny, left, right + 1);
            pending.push_back({ny, left, right, s.dy});
            if (right > s.right) pending.push_back({ny, s.right + 1, right, -s.dy});
            cx = right + 2;
            while (cx <= s.right && !match(row, cx)) ++cx;
            if (cx > s.right) break;
            left = cx;
        }
    }
}

// --- Pixels --------------------------------------------------------------------------------------

}  // namespace

// The one exact test behind ellipses and round pens. In doubled coordinates relative to the
// box's centre, X = 2x + 1 - (left + right) and Y likewise, the pixel is inside when
// X^2 h^2 + Y^2 w^2 <= w^2 h^2; 128-bit products keep it exact for any 32-bit box.
bool tb::ellipse_row_span(const Rect& box, int32_t y, int64_t* x0, int64_t* x1) {
    const int64_t w = int64_t{box.right} - box.left;
    const int64_t h = int64_t{box.bottom} - box.top;
    if (w <= 0 || h <= 0 || y < box.top || y >= box.bottom) return false;
    const int64_t sumX = int64_t{box.left} + box.right;
    const auto absY = static_cast<uint64_t>(std::llabs(2 * int64_t{y} + 1 - box.top - box.bottom));
    const Wide hh = Wide(h) * Wide(h);
    const Wide limit = Wide(w) * Wide(w) * (hh - Wide(absY) * Wide(absY));
    auto inside = [&](int64_t X) { return Wide(X) * Wide(X) * hh <= limit; };
    // Start from the floating-point answer and settle it exactly; X has the parity of w + 1.
    const double ratio = static_cast<double>(absY) / static_cast<double>(h);
    auto X = static_cast<int64_t>(
        std::floor(static_cast<double>(w) * std::sqrt(std::max(0.0, 1.0 - ratio * ratio))));
    X = std::min(X, w - 1);
    if (((X ^ (w + 1)) & 1) != 0) --X;
    while (X + 2 < w && inside(X + 2)) X += 2;
    while (X >= 0 && !inside(X)) X -= 2;
    if (X < 0) return false;
    *x0 = (sumX - X - 1) / 2;
    *x1 = (sumX + X - 1) / 2 + 1;
    return true;
}

uint8_t tb_ConvertComponent(uint32_t component) {
    double x = component <= 65025 ? component / 65025.0 * 255.0 : component / 65535.0 * 255.0;
    return static_cast<uint8_t>(tb_Round(x));
}

static TbColor convert(uint32_t red, uint32_t green, uint32_t blue) {
    return tb_MakeColor(tb_ConvertComponent(red), tb_ConvertComponent(green),
                        tb_ConvertComponent(blue));
}

// The fore or back colour field of a target, reporting free slots as `operation`.
static TbColor* color_field(TargetRef target, bool fore, const char* operation) {
    if (target == TB_PRINTER) return fore ? &g_printerFore : &g_printerBack;
    if (is_bitmap_handle(target)) {
        if (!valid_bitmap(target)) {
            if (operation != nullptr) report("Invalid bitmap!", operation);
            return nullptr;
        }
        return fore ? &g_bitmaps[target].fore : &g_bitmaps[target].back;
    }
    if (!valid_window(target)) {
        if (operation != nullptr) report("Invalid window!", operation);
        return nullptr;
    }
    WindowSlot& w = g_windows[target - TB_WINDOW_BASE];
    return fore ? &w.fore : &w.back;
}

void tb_SetForeColor(TargetRef target, uint32_t red, uint32_t green, uint32_t blue) {
    if (TbColor* field = color_field(target, true, "tb_SetForeColor")) {
        *field = convert(red, green, blue);
    }
}

void tb_SetBackColor(TargetRef target, uint32_t red, uint32_t green, uint32_t blue) {
    if (TbColor* field = color_field(target, false, "tb_SetBackColor")) {
        *field = convert(red, green, blue);
    }
}

TbColor tb_GetForeColor(TargetRef target) {
    const TbColor* field = color_field(target, true, nullptr);
    return field != nullptr ? *field : 0;
}

TbColor tb_GetBackColor(TargetRef target) {
    const TbColor* field = color_field(target, false, nullptr);
    return field != nullptr ? *field : 0;
}

void tb_PaintRect(TargetRef target, const Rect* rect) {
    Target t;
    Painter p;
    if (!open_target(target, "tb_PaintRect", &t) ||
        !start_painting(t, drawable_area(t), t.fore, &p)) {
        return;
    }
    Rect r;
    if (tb_IntersectRect(&r, rect, &p.area) == 0) return;
    for (int32_t y = r.top; y < r.bottom; ++y) p.span(y, r.left, r.right);
    finish_painting(t, p);
}

void tb_FrameRect(TargetRef target, const Rect* rect) {
    Target t;
    Painter p;
    if (!open_target(target, "tb_FrameRect", &t) ||
        !start_painting(t, drawable_area(t), t.fore, &p)) {
        return;
    }
    const Rect r = *rect;
    if (r.right <= r.left || r.bottom <= r.top) return;
    p.span(r.top, r.left, r.right);
    p.span(int64_t{r.bottom} - 1, r.left, r.right);
    int32_t from = std::max(r.top + 1, p.area.top);
    int32_t to = std::min(r.bottom - 1, p.area.bottom);
    for (int32_t y = from; y < to; ++y) {
        p.span(y, r.left, int64_t{r.left} + 1);
        p.span(y, int64_t{r.right} - 1, r.right);
    }
    finish_painting(t, p);
}

void tb_PaintEllipse(TargetRef target, const Rect* rect) {
    Target t;
    Painter p;
    if (!open_target(target, "tb_PaintEllipse", &t) ||
        !start_painting(t, drawable_area(t), t.fore, &p)) {
        return;
    }
    ellipse_rows(p, *rect);
    finish_painting(t, p);
}

void tb_FrameEllipse(TargetRef target, const Rect* rect) {
    Target t;
    Painter p;
    if (!open_target(target, "tb_FrameRect", &t) ||
        !start_painting(t, drawable_area(t), t.fore, &p)) {
        return;
    }
    ellipse_outline_rows(p, *rect);
    finish_painting(t, p);
}

void tb_Line(TargetRef target, int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t width) {
    if (is_bitmap_handle(target)) {
        if (!valid_bitmap(target)) {
            report("Invalid bitmap!", "tb_Line");
            return;
        }
        if (g_bitmaps[target].hasContext == 0) return;
    }
    Target t = resolve_target(target);
    Painter p;
    if (t.image == nullptr || t.image->header == nullptr ||
        !start_painting(t, line_area(target, t), t.fore, &p)) {
        return;
    }
    if (width <= 1) {
        thin_line(p, x1, y1, x2, y2);
    } else {
        wide_line(p, x1, y1, x2, y2, std::min(width, kMaxPenWidth));
    }
    finish_painting(t, p);
}

void tb_FloodFill(TargetRef target, int32_t x, int32_t y, uint32_t red, uint32_t green,
                  uint32_t blue) {
    Target t;
    Painter p;
    if (!open_target(target, "tb_PaintRect", &t) ||
        !start_painting(t, drawable_area(t), t.fore, &p)) {
        return;
    }
    const TbColor surface = convert(red, green, blue);
    const DibImage& img = *t.image;
    if (img.header->bitCount == 24) {
        const Match24 match(surface);
        // Filling a colour with itself would find its own pixels again and again.
        if (surface == t.fore) return;
        flood(p, match, x, y);
    } else {
        MatchIndexed match;
        match.bits1 = img.header->bitCount == 1;
        for (uint32_t v = 0; v < (match.bits1 ? 2u : 256u); ++v) {
            match.matches[v] = stored_to_color(img, v) == surface;
        }
        if (match.matches[p.pattern[0]]) return;
        flood(p, match, x, y);
    }
    finish_painting(t, p);
}

void tb_FillPattern(BitmapRef dst, int16_t patternId, const Rect* rect) {
    Rect tileRect{0, 0, 0, 0};
    BitmapRef tile = tb_CreateBitmap(&tileRect, patternId, 24);
    if (tile < 0) return;
    const DibImage* tileImage = bitmap_image(tile);
    DibImage* target = bitmap_image(dst);
    const int64_t width = int64_t{rect->right} - rect->left;
    const int64_t height = int64_t{rect->bottom} - rect->top;
    const int32_t tw = tileRect.right;
    const int32_t th = tileRect.bottom;
    // Tiles laid from the destination's top-left corner over the rect's size: the pattern is
    // anchored at (0, 0) wherever the rect lies.
    if (tileImage != nullptr && target != nullptr && target->header->bitCount == 24 &&
        width >= tw && height >= th && tw > 0 && th > 0) {
        const auto w = static_cast<int32_t>(std::min<int64_t>(width, target->header->width));
        const auto h = static_cast<int32_t>(std::min<int64_t>(height, target->header->height));
        prepare_writing(dst, 0, h);
        for (int32_t y = 0; y < h; y += th) {
            for (int32_t x = 0; x < w; x += tw) {
                tb_CopyRows(tileImage, 0, 0, std::min(tw, w - x), std::min(th, h - y), target, x, y,
                            0);
            }
        }
        note_touched(resolve_target(dst), Rect{0, 0, w, h});
    }
    tb_DisposeBitmap(tile);
}

// Single pixels go straight to the image, like the tools' other direct pixel work: no clip.
static bool inside_bitmap_rect(BitmapRef bitmap, int32_t x, int32_t y) {
    Rect bounds;
    bounds.left = 1;
    bounds.right = 0;  // stays empty when the query refuses the handle
    tb_GetBitmapRect(bitmap, &bounds);
    return x >= bounds.left && x <= bounds.right && y >= bounds.top && y <= bounds.bottom;
}

void tb_PutPixel(BitmapRef bitmap, int32_t x, int32_t y, int32_t red, int32_t green, int32_t blue) {
    if (!inside_bitmap_rect(bitmap, x, y)) return;
    auto eightBit = [](int32_t c) { return static_cast<uint8_t>(std::clamp(c, 0, 65025) / 255); };
    prepare_writing(bitmap, y, y + 1);
    tb_SetPixelRGB(bitmap_image(bitmap), x, y, eightBit(red), eightBit(green), eightBit(blue));
    note_touched(resolve_target(bitmap), Rect{x, y, x + 1, y + 1});
}

void tb_GetPixel(BitmapRef bitmap, int32_t x, int32_t y, int32_t* red, int32_t* green,
                 int32_t* blue) {
    uint8_t r = 0, g = 0, b = 0;
    if (inside_bitmap_rect(bitmap, x, y)) {
        prepare_reading(bitmap, y, y + 1);
        tb_GetPixelRGB(bitmap_image(bitmap), x, y, &r, &g, &b);
    }
    *red = r * 255;
    *green = g * 255;
    *blue = b * 255;
}

void tb_PaintRegion(TargetRef target, RegionRef region) {
    Target t;
    Painter p;
    if (!open_target(target, "tb_PaintRegion", &t) ||
        !start_painting(t, drawable_area(t), t.fore, &p)) {
        return;
    }
    if (region < 0 || region >= TB_MAX_REGIONS || g_regions[region].free != 0) return;
    const RegionSlot& r = g_regions[region];
    int32_t from = std::max(r.box.top, p.area.top);
    int32_t to = std::min(r.box.bottom, p.area.bottom);
    int64_t spans[TB_MAX_POLY_POINTS];
    for (int32_t y = from; y < to; ++y) {
        int32_t count = region_row_spans(r, y, spans);
        for (int32_t i = 0; i < count; ++i) p.span(y, spans[2 * i], spans[2 * i + 1]);
    }
    finish_painting(t, p);
}
