// Which room scale the person starting the program asked for.
#pragma once

#include <cstdint>

// The room scale asked for by `--scale=N` (1 to 4) or `--scale=auto` among the arguments, or
// else by `environment` (the value of TINTAMAR_SCALE, null when unset) in the same form: N, or
// 0 for auto. 1 when neither asks. A value that is neither is said on standard error and
// passed over; the last `--scale=` given counts. Other arguments are left alone.
int32_t room_scale_option(int argc, const char* const* argv, const char* environment);
