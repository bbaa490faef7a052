#include "platform/gfx/freetype_face.h"
#include "platform/system/utf8.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>

namespace plat::gfx {

std::shared_ptr<FreeTypeFace> FreeTypeFace::open(FT_Library library, const FaceFile& file, int emPixels,
    FallbackSource fallback)
{
    if (!library || file.file.empty())
        return nullptr;
    FT_Face face = nullptr;
    if (FT_New_Face(library, file.file.c_str(), file.index, &face) != 0)
        return nullptr;
    const double sx = file.adjust.scaleX > 0 ? file.adjust.scaleX : 1.0;
    const double sy = file.adjust.scaleY > 0 ? file.adjust.scaleY : 1.0;
    FT_UInt w = FT_UInt(std::max(1L, std::lround(emPixels * sx)));
    FT_UInt h = FT_UInt(std::max(1L, std::lround(emPixels * sy)));
    if (FT_Set_Pixel_Sizes(face, w, h) != 0) {
        if (!face->num_fixed_sizes || FT_Select_Size(face, 0) != 0) {
            FT_Done_Face(face);
            return nullptr;
        }
    }
    return std::shared_ptr<FreeTypeFace>(new FreeTypeFace(face, file, emPixels, std::move(fallback)));
}

FreeTypeFace::FreeTypeFace(FT_Face face, FaceFile file, int emPixels, FallbackSource fallback)
    : m_face(face)
    , m_file(std::move(file))
    , m_em(emPixels)
    , m_fallbackSource(std::move(fallback))
{
    computeMetrics();
}

FreeTypeFace::~FreeTypeFace()
{
    if (m_face)
        FT_Done_Face(m_face);
}

void FreeTypeFace::computeMetrics()
{
    FontMetrics& m = m_metrics;
    const FT_Size_Metrics& sm = m_face->size->metrics;
    const bool scalable = FT_IS_SCALABLE(m_face);
    const double upem = scalable ? double(m_face->units_per_EM) : 1.0;
    const double yScale = scalable ? sm.y_ppem / upem : 1.0;
    const double xScale = scalable ? sm.x_ppem / upem : 1.0;
    auto os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(m_face, FT_SFNT_OS2));
    auto hhea = static_cast<const TT_HoriHeader*>(FT_Get_Sfnt_Table(m_face, FT_SFNT_HHEA));

    if (os2 && os2->version != 0xFFFF && os2->usWinAscent + os2->usWinDescent > 0) {
        m.ascent = int(std::lround(os2->usWinAscent * yScale));
        m.descent = int(std::lround(os2->usWinDescent * yScale));
    } else if (scalable) {
        m.ascent = int(std::lround(m_face->ascender * yScale));
        m.descent = int(std::lround(-m_face->descender * yScale));
    } else {
        m.ascent = int((sm.ascender + 63) >> 6);
        m.descent = int((-sm.descender + 63) >> 6);
    }
    if (m_file.adjust.ascent > 0 || m_file.adjust.descent > 0) {
        m.ascent = int(std::lround(m_file.adjust.ascent * m_em));
        m.descent = int(std::lround(m_file.adjust.descent * m_em));
    }
    m.height = m.ascent + m.descent;
    m.internalLeading = std::max(0, m.height - m_em);
    if (hhea && os2 && os2->version != 0xFFFF) {
        double gap = hhea->Line_Gap - ((os2->usWinAscent + os2->usWinDescent) - (hhea->Ascender - hhea->Descender));
        m.externalLeading = std::max(0, int(std::lround(gap * yScale)));
    }
    if (os2 && os2->version != 0xFFFF && os2->xAvgCharWidth > 0)
        m.averageCharWidth = int(std::lround(os2->xAvgCharWidth * xScale));
    else
        m.averageCharWidth = int((sm.max_advance + 63) >> 6) / 2;
    m.maxCharWidth = int((sm.max_advance + 63) >> 6);

    if (scalable && m_face->underline_thickness > 0) {
        double thickness = std::max(1.0, std::round(m_face->underline_thickness * yScale));
        double centre = -m_face->underline_position * yScale;
        m.underlineThickness = int(thickness);
        m.underlinePosition = std::max(0, int(std::lround(centre - thickness / 2)));
    } else {
        m.underlineThickness = std::max(1, m_em / 14);
        m.underlinePosition = std::max(0, m.descent / 3);
    }
    if (os2 && os2->version != 0xFFFF && os2->yStrikeoutSize > 0) {
        m.strikeoutThickness = std::max(1, int(std::lround(os2->yStrikeoutSize * yScale)));
        m.strikeoutPosition = int(std::lround(os2->yStrikeoutPosition * yScale));
    } else {
        m.strikeoutThickness = m.underlineThickness;
        m.strikeoutPosition = std::max(1, m.ascent / 3);
    }
}

bool FreeTypeFace::hasGlyph(char32_t codePoint) const
{
    return FT_Get_Char_Index(m_face, FT_ULong(codePoint)) != 0;
}

const Glyph& FreeTypeFace::glyph(char32_t codePoint)
{
    if (sys::isUnreadableByteMark(codePoint))
        codePoint = U'\uFFFD';
    if (const Glyph* g = m_cache.find(codePoint))
        return *g;
    FT_UInt index = FT_Get_Char_Index(m_face, FT_ULong(codePoint));
    if (index == 0 && codePoint >= 0x20) {
        if (!m_fallbackTried) {
            m_fallbackTried = true;
            if (m_fallbackSource)
                m_fallback = m_fallbackSource();
        }
        if (m_fallback)
            return m_cache.insert(codePoint, m_fallback->glyph(codePoint));
    }
    return m_cache.insert(codePoint, render(index));
}

Glyph FreeTypeFace::render(unsigned glyphIndex)
{
    Glyph g;
    if (FT_Load_Glyph(m_face, glyphIndex, FT_LOAD_DEFAULT) != 0)
        return g;
    FT_GlyphSlot slot = m_face->glyph;
    if (m_file.synthesizeItalic && slot->format == FT_GLYPH_FORMAT_OUTLINE)
        FT_GlyphSlot_Oblique(slot);
    if (m_file.synthesizeBold)
        FT_GlyphSlot_Embolden(slot);
    g.advance = int((slot->advance.x + 32) >> 6);
    if (slot->format != FT_GLYPH_FORMAT_BITMAP && FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0)
        return g;
    const FT_Bitmap& bm = slot->bitmap;
    g.left = slot->bitmap_left;
    g.top = slot->bitmap_top;
    g.width = int(bm.width);
    g.height = int(bm.rows);
    g.coverage.assign(size_t(g.width) * size_t(g.height), 0);
    for (int y = 0; y < g.height; ++y) {
        const unsigned char* src = bm.buffer + ptrdiff_t(y) * bm.pitch;
        uint8_t* dst = g.coverage.data() + size_t(y) * size_t(g.width);
        if (bm.pixel_mode == FT_PIXEL_MODE_MONO) {
            for (int x = 0; x < g.width; ++x)
                dst[x] = (src[x >> 3] & (0x80 >> (x & 7))) ? 255 : 0;
        } else if (bm.pixel_mode == FT_PIXEL_MODE_GRAY) {
            const int levels = bm.num_grays > 1 ? bm.num_grays - 1 : 255;
            for (int x = 0; x < g.width; ++x)
                dst[x] = levels == 255 ? src[x] : uint8_t(src[x] * 255 / levels);
        }
    }
    return g;
}

} // namespace plat::gfx
