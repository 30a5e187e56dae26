// The clock, the busy delay, button and key polling, and the number helpers.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <ctime>

#include "toolbox/internal.h"
#include "toolbox/platform.h"

namespace {
int32_t g_buttonPollingMode = 1;
}

void tb_random_startup() { tb_RandomSeeded(0, 100, 1); }

uint32_t tb_TickCount() { return platform::milliseconds(); }

void tb_Delay(uint32_t milliseconds) {
    // Busy on purpose: the program is meant to be frozen for the duration.
    uint32_t start = tb_TickCount();
    while (tb_TickCount() - start < milliseconds) {
    }
}

void tb_SetButtonPollingMode(int32_t mode) { g_buttonPollingMode = mode; }

int32_t tb_ButtonDown() { return platform::primary_button_down(g_buttonPollingMode != 0) ? 1 : 0; }

int32_t tb_KeyDown(int16_t virtualKey) { return platform::key_down(virtualKey) ? 1 : 0; }

namespace {

// A whole number as int32: values beyond the range stop at its ends, not a number gives 0
// (converting them directly is undefined).
int32_t to_int32(double whole) {
    if (std::isnan(whole)) return 0;
    if (whole >= 2147483647.0) return INT32_MAX;
    if (whole <= -2147483648.0) return INT32_MIN;
    return static_cast<int32_t>(whole);
}

}  // namespace

int32_t tb_Round(double x) {
    double t = std::trunc(x);
    // fmod by the integer part: below 1 in size the divisor is 0 and nothing is added.
    if (t != 0.0 && std::fmod(x, t) >= 0.5) t += 1.0;
    return to_int32(t);
}

int32_t tb_Truncate(double x) { return to_int32(std::trunc(x)); }

int32_t tb_Random(int32_t low, int32_t high) {
    if (high < low) return low;  // an empty span would divide by zero
    int64_t span = static_cast<int64_t>(high) - low + 1;
    int64_t r = std::llabs(static_cast<int64_t>(std::rand())) % span + low;
    if (r > high) r = high;
    if (r < low) r = low;
    return static_cast<int32_t>(r);
}

int32_t tb_RandomSeeded(int32_t low, int32_t high, int32_t reseed) {
    if (reseed != 0) std::srand(static_cast<unsigned>(std::time(nullptr)));
    return tb_Random(low, high);
}
