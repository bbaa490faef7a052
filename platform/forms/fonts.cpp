#include "platform/forms/fonts.h"

namespace plat::forms {

gfx::FontRequest fontRequest(const FontDesc& font)
{
    gfx::FontRequest r;
    r.face = font.name;
    r.points = font.size;
    r.bold = font.bold || font.weight >= 600;
    r.italic = font.italic;
    r.underline = font.underline;
    r.strikeout = font.strikethrough;
    return r;
}

gfx::Font openFont(const FontDesc& font) { return gfx::Font::open(fontRequest(font)); }

} // namespace plat::forms
