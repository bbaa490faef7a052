#pragma once
#include <string>
#include <string_view>

namespace plat::sys {

// Text in memory is UTF-8; data files hold the ANSI code page (GBK).
// Decoding reads GB18030, a superset of GBK, so nothing a file holds is lost; a byte sequence
// that is not valid there becomes U+FFFD.
std::string decodeAnsi(std::string_view ansiBytes);

// Encodes with GBK; a character that GBK lacks is written in its GB18030 form rather than dropped.
// Invalid UTF-8 input bytes become '?'.
std::string encodeAnsi(std::string_view utf8);

} // namespace plat::sys
