#pragma once
#include <string>
#include <string_view>

namespace plat::sys {

// Text in memory is UTF-8; data files hold the ANSI code page (GBK).
// Decoding reads GB18030, a superset of GBK, so nothing a file holds is lost; a byte that is not
// valid there stays in the text as a mark of its own (a lone surrogate U+DC80 to U+DCFF, as UTF-8
// would write it), which the text drawing and the text functions take as one U+FFFD.
std::string decodeAnsi(std::string_view ansiBytes);

// Encodes with GBK; a character that GBK lacks is written in its GB18030 form rather than dropped.
// A mark of decodeAnsi becomes its byte again, so a file rewritten keeps bytes it could not read.
// Other invalid UTF-8 input bytes become '?'.
std::string encodeAnsi(std::string_view utf8);

// The longest beginning of `utf8`, ended at a character boundary, whose encodeAnsi form takes at
// most `maxAnsiBytes` bytes: for a field of fixed size in the code page.
std::string ansiPrefix(std::string_view utf8, size_t maxAnsiBytes);

} // namespace plat::sys
