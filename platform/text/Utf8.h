// Code points of UTF-8 text.
#pragma once

// The code point at *text, which must not be at the terminating zero, and
// moves *text past it. A byte that does not start a well-formed sequence
// (truncated, overlong, a surrogate, beyond U+10FFFF) gives U+FFFD and is
// passed alone, so decoding never reads past the terminating zero.
char32_t NextCodePoint(const char** text);
