#pragma once
#include <string>
#include <string_view>

namespace plat::gfx {

// Text in memory is UTF-8; the text code works on code points. A malformed byte becomes U+FFFD.
// The mark of a byte the code page could not read (U+DC80 to U+DCFF as UTF-8 would write them)
// stays one code point of its own, so that text edited in a box and encoded again still holds the
// operator's byte; it is drawn as U+FFFD.
std::u32string decodeUtf8(std::string_view text);
std::string encodeUtf8(std::u32string_view text);

inline bool isUnreadableByteMark(char32_t codePoint) { return codePoint >= 0xDC80 && codePoint <= 0xDCFF; }

} // namespace plat::gfx
