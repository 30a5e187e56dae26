// What the fuzz targets share: a failed check or a message box ends the run with the reason,
// so that libFuzzer keeps the input that caused it.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace fuzz {

inline void check(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "broken: %s\n", what);
    std::abort();
}

// A message sink for the toolbox: what is fuzzed must refuse bad input quietly.
inline int32_t box_is_a_failure(int32_t, const char* title, const char* text) {
    std::fprintf(stderr, "unexpected box %s: %s\n", title, text);
    std::abort();
}

}  // namespace fuzz
