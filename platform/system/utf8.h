#pragma once
#include <cstddef>
#include <string_view>

namespace plat::sys {

// Length in bytes of the well-formed UTF-8 sequence at the start of `text`, or 0 when the first
// bytes are not one (a stray continuation byte, an overlong or truncated sequence, a surrogate).
size_t utf8SequenceLength(std::string_view text);

// Decodes the character at the start of `text` and advances past it. A byte that does not start a
// well-formed sequence is taken as one character of its own (returned as U+FFFD), and so is the
// mark of a byte the code page could not read (U+DC80 to U+DCFF, see ansi_codec.h).
char32_t nextCodePoint(std::string_view& text);

} // namespace plat::sys
