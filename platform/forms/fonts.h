#pragma once
#include "platform/forms/font_desc.h"
#include "platform/gfx/font.h"

namespace plat::forms {

// The drawing font for a font object (through the face map, so 宋体 finds its stand-in).
gfx::FontRequest fontRequest(const FontDesc& font);
gfx::Font openFont(const FontDesc& font);

} // namespace plat::forms
