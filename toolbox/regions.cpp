// Regions: polygon and circle areas by handle, for hit testing and painting.
//
// A pixel is inside a region when its centre (x + 0.5, y + 0.5) is: for polygons by the winding
// rule (the outline winds round it a nonzero number of times), for circles by the same
// inscribed-ellipse test as tb_PaintEllipse. Polygon rows are computed exactly in integers.
#include <algorithm>
#include <cstdlib>
#include <limits>

#include "toolbox/internal.h"

using namespace tb;

namespace {

// Corners beyond this cannot be part of any picture; they also keep every product of two
// coordinate differences within 64 bits.
constexpr int32_t kCoordinateLimit = 1 << 27;

int32_t first_free_region() {
    for (int32_t i = 0; i < TB_MAX_REGIONS; ++i) {
        if (g_regions[i].free != 0) return i;
    }
    return -1;
}

bool is_terminator(const int32_t* pair) { return pair[0] == TB_POLY_END || pair[1] == TB_POLY_END; }

int64_t floor_div(int64_t a, int64_t b) {  // b > 0
    int64_t q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
}

struct Crossing {
    int64_t x;    // first pixel whose centre lies on or right of where the edge crosses
    int32_t dir;  // +1 for an edge going down, -1 going up
};

// Where the polygon's edges cross the line through row y's pixel centres.
int32_t row_crossings(const RegionSlot& r, int32_t y, Crossing* out) {
    int32_t count = 0;
    for (int32_t i = 0; i < r.count; ++i) {
        const Point& p = r.points[i];
        const Point& q = r.points[(i + 1) % r.count];
        if (p.y == q.y) continue;
        const Point& lo = p.y < q.y ? p : q;
        const Point& hi = p.y < q.y ? q : p;
        if (y < lo.y || y >= hi.y) continue;
        // The crossing lies at lo.x + (y + 0.5 - lo.y) dx / dy; the first pixel centre at or
        // after it is ceil(that - 0.5), here in integers over 2 dy.
        const int64_t dx = int64_t{hi.x} - lo.x;
        const int64_t dy = int64_t{hi.y} - lo.y;
        const int64_t numerator =
            (2 * int64_t{lo.x} - 1) * dy + (2 * int64_t{y} + 1 - 2 * int64_t{lo.y}) * dx;
        out[count++] = {-floor_div(-numerator, 2 * dy), q.y > p.y ? 1 : -1};
    }
    std::sort(out, out + count, [](const Crossing& a, const Crossing& b) { return a.x < b.x; });
    return count;
}

}  // namespace

int32_t tb::region_row_spans(const RegionSlot& region, int32_t y, int64_t* spans) {
    if (region.isEllipse != 0) {
        return ellipse_row_span(region.box, y, &spans[0], &spans[1]) ? 1 : 0;
    }
    Crossing crossings[TB_MAX_POLY_POINTS];
    const int32_t count = row_crossings(region, y, crossings);
    int32_t spanCount = 0;
    int32_t winding = 0;
    int64_t start = 0;
    for (int32_t i = 0; i < count; ++i) {
        const int32_t before = winding;
        winding += crossings[i].dir;
        if (before == 0 && winding != 0) {
            start = crossings[i].x;
        } else if (before != 0 && winding == 0 && crossings[i].x > start) {
            spans[2 * spanCount] = start;
            spans[2 * spanCount + 1] = crossings[i].x;
            ++spanCount;
        }
    }
    return spanCount;
}

void tb_regions_release_all() {
    for (RegionSlot& r : g_regions) r = RegionSlot{};
}

RegionRef tb_CreateRegion(const int32_t* points) {
    if (is_terminator(points)) return -1;
    const int32_t slot = first_free_region();
    int32_t count = 0;
    while (count < TB_MAX_POLY_POINTS && !is_terminator(points + 2 * count)) ++count;
    if (slot < 0) {
        tb_Error("No more available Regions! (tb_CreateRegion)");
        return -1;
    }
    RegionSlot& r = g_regions[slot];
    Rect bounds{std::numeric_limits<int32_t>::max(), std::numeric_limits<int32_t>::max(),
                std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::min()};
    bool usable = count >= 2;
    for (int32_t i = 0; i < count; ++i) {
        const Point p{points[2 * i], points[2 * i + 1]};
        usable = usable && std::abs(p.x) <= kCoordinateLimit && std::abs(p.y) <= kCoordinateLimit;
        bounds = Rect{std::min(bounds.left, p.x), std::min(bounds.top, p.y),
                      std::max(bounds.right, p.x), std::max(bounds.bottom, p.y)};
        r.points[i] = p;
    }
    if (!usable) {
        tb_Attention("Failed to create region.");
        return -1;
    }
    r.count = count;
    r.box = bounds;
    r.isEllipse = 0;
    r.free = 0;
    note_made(TableKind::Region, slot);
    return slot;
}

RegionRef tb_CreateCircleRegion(int32_t cx, int32_t cy, int32_t radius) {
    if (radius == 0) return -1;
    const int32_t slot = first_free_region();
    if (slot < 0) {
        tb_Error("No more available Regions! (tb_CreateCircleRegion)");
        return -1;
    }
    // A negative radius names the same box turned round.
    const int64_t r = std::llabs(int64_t{radius});
    const int64_t limit = std::numeric_limits<int32_t>::max();
    if (cx - r < -limit || cy - r < -limit || cx + r > limit || cy + r > limit) return -1;
    RegionSlot& region = g_regions[slot];
    region.box = Rect{static_cast<int32_t>(cx - r), static_cast<int32_t>(cy - r),
                      static_cast<int32_t>(cx + r), static_cast<int32_t>(cy + r)};
    region.isEllipse = 1;
    region.count = 0;
    region.free = 0;
    note_made(TableKind::Region, slot);
    return slot;
}

void tb_DisposeRegion(RegionRef region) {
    if (region < 0 || region >= TB_MAX_REGIONS) return;
    g_regions[region] = RegionSlot{};
}

int32_t tb_PtInRegion(int32_t x, int32_t y, RegionRef region) {
    if (region < 0 || region >= TB_MAX_REGIONS || g_regions[region].free != 0) return 0;
    const RegionSlot& r = g_regions[region];
    if (y < r.box.top || y >= r.box.bottom) return 0;
    int64_t spans[TB_MAX_POLY_POINTS];
    const int32_t count = region_row_spans(r, y, spans);
    for (int32_t i = 0; i < count; ++i) {
        if (x >= spans[2 * i] && x < spans[2 * i + 1]) return 1;
    }
    return 0;
}
