#pragma once
#include "platform/gfx/font.h"

namespace plat::gfx {

// A built-in face with exactly known pixels, for tests of layout and drawing and as the last
// resort when no font file can be opened. Every visible character is a solid box: columns
// [0, advance - 1) of its cell and rows 1 to ascent - 1 (the row above the baseline is the last);
// spaces and control characters have no ink. Characters from U+1100 up are twice as wide.
struct FixedFaceSpec {
    int advance = 8;
    int ascent = 10;
    int descent = 3;
    bool operator==(const FixedFaceSpec&) const = default;
};

std::shared_ptr<FontFace> makeFixedFace(FixedFaceSpec spec = {});
Font fixedFont(FixedFaceSpec spec = {}, FontRequest style = {});

} // namespace plat::gfx
