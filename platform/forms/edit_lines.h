#pragma once
#include "platform/gfx/font.h"
#include <string>
#include <vector>

namespace plat::forms {

// One shown line of an edit field's text: the characters from `start` up to `end` (the line
// break not counted); the next line begins at `next`.
struct EditLine {
    int start = 0;
    int end = 0;
    int next = 0;
};

// Breaks a text into shown lines: at every CR LF (or lone CR or LF) when `multiLine`, and, when
// `wrapWidth` is above 0, also where a line would grow wider than that many pixels (after a
// space, or beside a CJK character, else before the character that does not fit). A text that
// ends with a line break has an empty last line. A single-line field has one line.
std::vector<EditLine> breakLines(const std::u32string& text, const gfx::Font& font, char32_t passwordChar, bool multiLine, int wrapWidth);

// The width in pixels of characters [from, to) as the field shows them.
int shownWidth(const std::u32string& text, int from, int to, const gfx::Font& font, char32_t passwordChar);

} // namespace plat::forms
