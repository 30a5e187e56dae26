#include "shell/room_scale_option.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr const char* kFlag = "--scale=";
constexpr int32_t kUnreadable = -1;

int32_t read_scale(const char* text) {
    if (std::strcmp(text, "auto") == 0) return 0;
    if (text[0] >= '1' && text[0] <= '4' && text[1] == 0) return text[0] - '0';
    return kUnreadable;
}

void complain(const char* where, const char* text) {
    std::fprintf(stderr, "tintamar: %s%s is not a room scale (1, 2, 3, 4 or auto); passed over\n",
                 where, text);
}

}  // namespace

int32_t room_scale_option(int argc, const char* const* argv, const char* environment) {
    const size_t flagLength = std::strlen(kFlag);
    int32_t chosen = kUnreadable;
    for (int i = 1; i < argc; ++i) {
        if (argv[i] == nullptr || std::strncmp(argv[i], kFlag, flagLength) != 0) continue;
        const int32_t scale = read_scale(argv[i] + flagLength);
        if (scale == kUnreadable) {
            complain(kFlag, argv[i] + flagLength);
        } else {
            chosen = scale;
        }
    }
    if (chosen != kUnreadable) return chosen;
    if (environment != nullptr && environment[0] != 0) {
        chosen = read_scale(environment);
        if (chosen != kUnreadable) return chosen;
        complain("TINTAMAR_SCALE=", environment);
    }
    return 1;
}
