// Random colours and random offsets for the tools that scatter paint.
#include "tools/random_rules.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265359;
constexpr int32_t kFull = 65025;

int32_t random_channel() {
    const int32_t brightness = tb_Random(12000, 65000);
    const int32_t hundredths = tb_Random(0, 200);
    return std::min(tb_Round(hundredths / 100.0 * brightness), kFull);
}

int32_t random_axis(int32_t nearest, int32_t reach, double (*axis)(double)) {
    const int32_t distance = tb_Random(nearest, reach);
    const int32_t side = tb_Random(1, 2) == 1 ? 1 : -1;
    const int32_t degrees = tb_Random(0, 90);
    return tb_Round(axis(degrees * kPi / 180.0) * distance * side);
}

}  // namespace

ToolColour random_colour() {
    ToolColour c;
    c.red = random_channel();
    c.green = random_channel();
    c.blue = random_channel();
    return c;
}

Point random_offset(int32_t nearest, int32_t reach) {
    const int32_t x = random_axis(nearest, reach, [](double a) { return std::cos(a); });
    const int32_t y = random_axis(nearest, reach, [](double a) { return std::sin(a); });
    return Point{x, y};
}
