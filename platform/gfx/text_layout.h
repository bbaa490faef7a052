#pragma once
#include "platform/gfx/font.h"

#include <string>
#include <string_view>
#include <vector>

namespace plat::gfx {

// DrawText format flags, with their Windows values.
constexpr unsigned DT_TOP = 0x0;
constexpr unsigned DT_LEFT = 0x0;
constexpr unsigned DT_CENTER = 0x1;
constexpr unsigned DT_RIGHT = 0x2;
constexpr unsigned DT_VCENTER = 0x4; // single-line only
constexpr unsigned DT_BOTTOM = 0x8;  // single-line only
constexpr unsigned DT_WORDBREAK = 0x10;
constexpr unsigned DT_SINGLELINE = 0x20;
constexpr unsigned DT_EXPANDTABS = 0x40;
constexpr unsigned DT_NOCLIP = 0x100;
constexpr unsigned DT_CALCRECT = 0x400;
constexpr unsigned DT_NOPREFIX = 0x800;
constexpr unsigned DT_HIDEPREFIX = 0x100000;

// Text with its "&" prefixes resolved: a single "&" is dropped and marks the next character
// (underlined when drawn), "&&" stands for one "&"; a trailing single "&" is dropped.
struct PrefixedText {
    std::u32string text;
    std::vector<bool> mnemonic; // one flag per character of `text`
};
PrefixedText resolvePrefixes(std::u32string_view text, bool hidePrefix = false);

struct LaidLine {
    std::u32string text;
    std::vector<bool> mnemonic;
    int width = 0;
    Point origin; // top-left of the line's cell
};

struct TextLayout {
    std::vector<LaidLine> lines;
    Rect bounds;    // what DT_CALCRECT gives back
    int height = 0; // what DrawText returns
};

// Where DrawText puts each line of `utf8` inside `rect` for `format`.
TextLayout layoutText(const Font& font, std::string_view utf8, const Rect& rect, unsigned format);

} // namespace plat::gfx
