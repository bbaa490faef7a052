#pragma once
#include "platform/gfx/font.h"

#include <unordered_map>

namespace plat::gfx {

// Rendered glyphs of one sized face by code point. Glyphs stay until the face goes, so the
// references handed out remain valid (the clock redraws the same few digits ten times a second).
class GlyphCache {
public:
    const Glyph* find(char32_t cp) const
    {
        auto it = m_glyphs.find(cp);
        return it == m_glyphs.end() ? nullptr : &it->second;
    }
    const Glyph& insert(char32_t cp, Glyph g) { return m_glyphs.insert_or_assign(cp, std::move(g)).first->second; }
    size_t size() const { return m_glyphs.size(); }

private:
    std::unordered_map<char32_t, Glyph> m_glyphs;
};

} // namespace plat::gfx
