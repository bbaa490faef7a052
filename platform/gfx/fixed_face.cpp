#include "platform/gfx/fixed_face.h"

#include <unordered_map>

namespace plat::gfx {

namespace {

class FixedFace final : public FontFace {
public:
    explicit FixedFace(FixedFaceSpec spec)
        : m_spec(spec)
    {
        m_metrics.ascent = spec.ascent;
        m_metrics.descent = spec.descent;
        m_metrics.height = spec.ascent + spec.descent;
        m_metrics.internalLeading = 0;
        m_metrics.averageCharWidth = spec.advance;
        m_metrics.maxCharWidth = spec.advance * 2;
        m_metrics.underlinePosition = 1;
        m_metrics.underlineThickness = 1;
        m_metrics.strikeoutPosition = spec.ascent / 2;
        m_metrics.strikeoutThickness = 1;
    }

    const FontMetrics& metrics() const override { return m_metrics; }

    const Glyph& glyph(char32_t cp) override
    {
        const bool wide = cp >= 0x1100;
        const bool ink = cp > 0x20 && cp != 0x7F && cp != 0xA0 && cp != 0x3000;
        const int key = cp < 0x20 ? -1 : ((wide ? 2 : 0) | (ink ? 1 : 0));
        auto it = m_glyphs.find(key);
        if (it != m_glyphs.end())
            return it->second;
        Glyph g;
        g.advance = cp < 0x20 ? 0 : m_spec.advance * (wide ? 2 : 1);
        if (ink && g.advance > 1 && m_spec.ascent > 1) {
            g.left = 0;
            g.top = m_spec.ascent - 1;
            g.width = g.advance - 1;
            g.height = m_spec.ascent - 1;
            g.coverage.assign(size_t(g.width) * size_t(g.height), 255);
        }
        return m_glyphs.emplace(key, std::move(g)).first->second;
    }

    std::string family() const override { return "Fixed"; }

private:
    FixedFaceSpec m_spec;
    FontMetrics m_metrics;
    std::unordered_map<int, Glyph> m_glyphs;
};

} // namespace

std::shared_ptr<FontFace> makeFixedFace(FixedFaceSpec spec)
{
    return std::make_shared<FixedFace>(spec);
}

Font fixedFont(FixedFaceSpec spec, FontRequest style)
{
    style.face = "Fixed";
    style.pixelHeight = spec.ascent + spec.descent;
    return Font(std::make_shared<FixedFace>(spec), style);
}

} // namespace plat::gfx
