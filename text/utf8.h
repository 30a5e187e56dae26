// UTF-8 as the text field keeps it: always whole, valid characters, one line, no control
// characters. Offsets are byte offsets.
#pragma once

#include <cstdint>

// The offset after the character that starts at `at` (at < length).
int32_t utf8_next(const char* text, int32_t length, int32_t at);
// The offset where the character before `at` starts (at > 0).
int32_t utf8_previous(const char* text, int32_t at);
// The code point of the character that starts at `at`; 0 at or past the end.
uint32_t utf8_decode(const char* text, int32_t length, int32_t at);
// Writes a code point's bytes into out and returns how many (0 for surrogates and for values
// past the last code point).
int32_t utf8_encode(uint32_t code, char out[4]);
// Copies what of `text` (length bytes) may stand in a one-line field into out (capacity
// bytes, zero-terminated): it stops at the first line break, leaves out other control
// characters and bytes that are not valid UTF-8, and ends on a whole character. Returns the
// bytes written, the zero not counted.
int32_t utf8_clean_line(const char* text, int32_t length, char* out, int32_t capacity);
