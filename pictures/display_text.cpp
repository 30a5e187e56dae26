#include "pictures/display_text.h"

#include <cstring>
#include <vector>

namespace {

constexpr const char* kReplacement = "\xEF\xBF\xBD";  // U+FFFD
constexpr const char* kEllipsis = "\xE2\x80\xA6";     // U+2026

// Length in bytes of the well-formed UTF-8 character at s (n bytes left), or 0.
size_t character_length(const unsigned char* s, size_t n) {
    unsigned char c = s[0];
    if (c < 0x80) return 1;
    size_t length = 0;
    unsigned char low = 0x80;   // bounds of the second byte, which rule out overlong forms,
    unsigned char high = 0xBF;  // surrogates and values past U+10FFFF
    if (c >= 0xC2 && c <= 0xDF) {
        length = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
        length = 3;
        if (c == 0xE0) low = 0xA0;
        if (c == 0xED) high = 0x9F;
    } else if (c >= 0xF0 && c <= 0xF4) {
        length = 4;
        if (c == 0xF0) low = 0x90;
        if (c == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (n < length || s[1] < low || s[1] > high) return 0;
    for (size_t k = 2; k < length; ++k) {
        if ((s[k] & 0xC0) != 0x80) return 0;
    }
    return length;
}

// Where the character after the one at byte `at` of valid UTF-8 text begins.
size_t next_character(const std::string& text, size_t at) {
    ++at;
    while (at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80) ++at;
    return at;
}

}  // namespace

std::string displayable(const char* bytes, size_t length) {
    std::string out;
    out.reserve(length);
    const auto* s = reinterpret_cast<const unsigned char*>(bytes);
    size_t i = 0;
    while (i < length) {
        size_t n = character_length(s + i, length - i);
        if (n == 0) {
            out += kReplacement;
            ++i;
        } else {
            out.append(bytes + i, n);
            i += n;
        }
    }
    return out;
}

std::string displayable(const char* text) {
    return text != nullptr ? displayable(text, std::strlen(text)) : std::string();
}

std::string cut_to_characters(const std::string& text, size_t maxCharacters) {
    size_t count = 0;
    size_t at = 0;
    while (at < text.size()) {
        at = next_character(text, at);
        ++count;
    }
    if (count <= maxCharacters) return text;
    if (maxCharacters == 0) return std::string();
    size_t keep = 0;
    for (size_t k = 0; k + 1 < maxCharacters; ++k) keep = next_character(text, keep);
    return text.substr(0, keep) + kEllipsis;
}

std::string cut_to_width(TargetRef target, const std::string& text, int32_t width) {
    auto fits = [target, width](const std::string& s) {
        auto length = static_cast<int32_t>(s.size());
        return tb_DrawText(target, 0, 0, s.c_str(), length, 0, 0, 0, 0) <= width;
    };
    if (fits(text)) return text;
    std::vector<size_t> ends;  // where each character of the text ends
    for (size_t at = 0; at < text.size();) {
        at = next_character(text, at);
        ends.push_back(at);
    }
    // The most characters that fit before the ellipsis, found by halving.
    auto start = [&](size_t characters) {
        return text.substr(0, characters == 0 ? 0 : ends[characters - 1]) + kEllipsis;
    };
    size_t low = 0;
    size_t high = ends.size();
    while (low < high) {
        size_t middle = (low + high + 1) / 2;
        if (fits(start(middle)))
            low = middle;
        else
            high = middle - 1;
    }
    return start(low);
}
