#include "platform/gfx/text_lines.h"

namespace plat::gfx {

std::vector<std::u32string_view> splitLines(std::u32string_view text)
{
    std::vector<std::u32string_view> lines;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != U'\r' && text[i] != U'\n')
            continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == U'\r' && i + 1 < text.size() && text[i + 1] == U'\n')
            ++i;
        start = i + 1;
    }
    lines.push_back(text.substr(start));
    return lines;
}

} // namespace plat::gfx
