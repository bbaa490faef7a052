#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace plat::sys {

// String functions that count characters (Unicode code points) of UTF-8 text, not bytes.
// A byte that is not part of well-formed UTF-8 counts as one character.

size_t textLength(std::string_view text);
// The first `count` characters (all of them when there are fewer).
std::string leftText(std::string_view text, size_t count);
// The last `count` characters.
std::string rightText(std::string_view text, size_t count);
// `count` characters from the 1-based character position `start` (to the end without a count).
// A start past the end gives ""; a start of 0 is taken as 1.
std::string midText(std::string_view text, size_t start);
std::string midText(std::string_view text, size_t start, size_t count);

// Remove spaces (U+0020 only, as the runtime does) at the start, the end, or both.
std::string trimLeft(std::string_view text);
std::string trimRight(std::string_view text);
std::string trimText(std::string_view text);

// Width in ANSI units, as the text takes in the ANSI code page: 1 for each ASCII character,
// 2 for each other character.
size_t ansiWidth(std::string_view text);

} // namespace plat::sys
