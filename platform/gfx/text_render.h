#pragma once
#include "platform/gfx/clip.h"
#include "platform/gfx/font.h"
#include "platform/gfx/surface.h"

#include <optional>
#include <string_view>
#include <vector>

namespace plat::gfx {

// The quarter turn a font's escapement gives its text: 0 level, 1 reading bottom to top (900),
// 2 upside down (1800), 3 top to bottom (2700). Other angles go to the nearest quarter.
int quarterTurns(int escapement);

// The rectangle a line of `width` pixels takes when its reference point (the top-left corner of
// the level text) is at `at`, turned as the font's escapement says.
Rect textLineRect(const Font& font, Point at, int width);

struct TextLineStyle {
    Color color = 0;
    std::optional<Color> background;      // fills the line's cell first (opaque background mode)
    const std::vector<bool>* mnemonics = nullptr; // characters to underline (the '&' prefixes)
};

// Draws one line of text with its reference point at `at`. Control characters draw nothing.
// Returns the advance (the line's width).
int drawTextLine(Surface& s, const Clip& clip, const Font& font, Point at, std::u32string_view text,
    const TextLineStyle& style);

} // namespace plat::gfx
