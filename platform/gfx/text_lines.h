#pragma once
#include <string_view>
#include <vector>

namespace plat::gfx {

// Splits text at line breaks: CR LF, a lone CR or a lone LF each end a line. The pieces point
// into `text`; text ending in a break has an empty last line.
std::vector<std::u32string_view> splitLines(std::u32string_view text);

} // namespace plat::gfx
