#pragma once
#include <string>
#include <string_view>

namespace plat::gfx {

// Text in memory is UTF-8; the text code works on code points. A malformed byte becomes U+FFFD,
// and so does the mark of a byte the code page could not read (U+DC80 to U+DCFF as UTF-8 would
// write them), as one character.
std::u32string decodeUtf8(std::string_view text);
std::string encodeUtf8(std::u32string_view text);

} // namespace plat::gfx
