// The real window system's millisecond clock: the system's monotonic clock.
#include <chrono>

#include "toolbox/platform.h"

uint32_t platform::milliseconds() {
    auto now = std::chrono::steady_clock::now().time_since_epoch();
    // Wraps after 2^32 ms, like the platform clock it stands for.
    return static_cast<uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}
