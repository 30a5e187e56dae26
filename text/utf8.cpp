#include "text/utf8.h"

namespace {

bool continuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// The valid character at `at`: its code point and byte count (0 when the bytes there are not
// a whole, shortest-form character).
int32_t read_character(const char* text, int32_t length, int32_t at, uint32_t* code) {
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80) {
        *code = lead;
        return 1;
    }
    const int32_t bytes = lead >= 0xF8   ? 0
                          : lead >= 0xF0 ? 4
                          : lead >= 0xE0 ? 3
                          : lead >= 0xC2 ? 2
                                         : 0;
    if (bytes == 0 || at + bytes > length) return 0;
    uint32_t value = lead & (0x7F >> bytes);
    for (int32_t k = 1; k < bytes; ++k) {
        if (!continuation(text[at + k])) return 0;
        value = (value << 6) | (static_cast<unsigned char>(text[at + k]) & 0x3F);
    }
    constexpr uint32_t kSmallest[5] = {0, 0, 0x80, 0x800, 0x10000};
    if (value < kSmallest[bytes] || value > 0x10FFFF || (value >= 0xD800 && value < 0xE000)) {
        return 0;
    }
    *code = value;
    return bytes;
}

bool control(uint32_t code) { return code < 0x20 || (code >= 0x7F && code < 0xA0); }
bool line_break(uint32_t code) {
    return code == '\n' || code == '\r' || code == 0x2028 || code == 0x2029;
}

}  // namespace

int32_t utf8_next(const char* text, int32_t length, int32_t at) {
    ++at;
    while (at < length && continuation(text[at])) ++at;
    return at;
}

int32_t utf8_previous(const char* text, int32_t at) {
    --at;
    while (at > 0 && continuation(text[at])) --at;
    return at;
}

uint32_t utf8_decode(const char* text, int32_t length, int32_t at) {
    uint32_t code = 0;
    if (at < 0 || at >= length || read_character(text, length, at, &code) == 0) return 0;
    return code;
}

int32_t utf8_encode(uint32_t code, char out[4]) {
    if (code > 0x10FFFF || (code >= 0xD800 && code < 0xE000)) return 0;
    if (code < 0x80) {
        out[0] = static_cast<char>(code);
        return 1;
    }
    const int32_t bytes = code < 0x800 ? 2 : code < 0x10000 ? 3 : 4;
    constexpr unsigned char kLeads[5] = {0, 0, 0xC0, 0xE0, 0xF0};
    for (int32_t k = bytes - 1; k > 0; --k) {
        out[k] = static_cast<char>(0x80 | (code & 0x3F));
        code >>= 6;
    }
    out[0] = static_cast<char>(kLeads[bytes] | code);
    return bytes;
}

int32_t utf8_clean_line(const char* text, int32_t length, char* out, int32_t capacity) {
    if (capacity <= 0) return 0;
    int32_t written = 0;
    for (int32_t at = 0; at < length;) {
        uint32_t code = 0;
        const int32_t bytes = read_character(text, length, at, &code);
        if (bytes == 0) {
            ++at;  // a broken byte is passed over
            continue;
        }
        if (line_break(code) || code == 0) break;
        if (!control(code)) {
            if (written + bytes > capacity - 1) break;
            for (int32_t k = 0; k < bytes; ++k) out[written++] = text[at + k];
        }
        at += bytes;
    }
    out[written] = 0;
    return written;
}
