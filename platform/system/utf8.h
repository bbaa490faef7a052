#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace plat::sys {

// Text in memory is UTF-8; the text code works on code points. A byte that does not start a
// well-formed sequence is one character of its own, U+FFFD. The mark of a byte the code page could
// not read (U+DC80 to U+DCFF as UTF-8 would write them, see ansi_codec.h) is one character too: the
// decoded text keeps the mark itself, so that text edited in a box and encoded again still holds
// the operator's byte (it is drawn as U+FFFD).

// Length in bytes of the well-formed UTF-8 sequence at the start of `text`, or 0 when the first
// bytes are not one (a stray continuation byte, an overlong or truncated sequence, a surrogate).
size_t utf8SequenceLength(std::string_view text);

// Decodes the character at the start of `text` and advances past it; a malformed byte and the mark
// of an unreadable byte both come back as U+FFFD.
char32_t nextCodePoint(std::string_view& text);

// The whole text as code points, the marks of unreadable bytes kept; and back.
std::u32string decodeUtf8(std::string_view text);
std::string encodeUtf8(std::u32string_view text);

inline bool isUnreadableByteMark(char32_t codePoint) { return codePoint >= 0xDC80 && codePoint <= 0xDCFF; }

} // namespace plat::sys
