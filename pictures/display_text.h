// Names and paths as they may be shown: file names on disk are bytes, not always UTF-8, and
// can be longer than any place that shows them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "toolbox/toolbox.h"

// The bytes as UTF-8 text: every byte that does not belong to a well-formed UTF-8 character
// (overlong forms, surrogates and values past U+10FFFF included) becomes U+FFFD.
std::string displayable(const char* bytes, size_t length);
std::string displayable(const char* text);

// At most maxCharacters characters of UTF-8 text; a text that had to be cut ends in "…"
// (which counts as one of them).
std::string cut_to_characters(const std::string& text, size_t maxCharacters);

// The longest start of the UTF-8 text that fits width pixels in the target's font settings,
// ending in "…" when it had to be cut; the whole text when it fits.
std::string cut_to_width(TargetRef target, const std::string& text, int32_t width);
