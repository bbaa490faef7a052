#include "platform/gfx/font.h"

#include "platform/gfx/font_library.h"
#include "platform/gfx/text_lines.h"
#include "platform/gfx/units.h"
#include "platform/system/utf8.h"

#include <algorithm>

namespace plat::gfx {

int FontRequest::emPixels() const
{
    if (pixelHeight > 0)
        return pixelHeight;
    return std::max(1, pointsToPixels(points));
}

Font::Font(std::shared_ptr<FontFace> face, FontRequest request)
    : m_face(std::move(face))
    , m_request(std::move(request))
{
}

Font Font::open(const FontRequest& request)
{
    return Font(FontLibrary::instance().open(request), request);
}

Font Font::open(std::string_view face, double points, bool bold)
{
    FontRequest r;
    r.face = std::string(face);
    r.points = points;
    r.bold = bold;
    return open(r);
}

const FontMetrics& Font::metrics() const
{
    static const FontMetrics none;
    return m_face ? m_face->metrics() : none;
}

Font Font::withEscapement(int tenthsOfDegree) const
{
    Font f = *this;
    f.m_request.escapement = tenthsOfDegree;
    return f;
}

Font Font::withUnderline(bool on) const
{
    Font f = *this;
    f.m_request.underline = on;
    return f;
}

Font Font::withStrikeout(bool on) const
{
    Font f = *this;
    f.m_request.strikeout = on;
    return f;
}

int Font::advance(char32_t codePoint) const
{
    if (!m_face || codePoint < 0x20)
        return 0;
    return m_face->glyph(codePoint).advance;
}

int Font::width(std::u32string_view text) const
{
    int w = 0;
    for (char32_t c : text)
        w += advance(c);
    return w;
}

Size Font::textExtent(std::string_view utf8) const
{
    return {width(sys::decodeUtf8(utf8)), metrics().height};
}

Size Font::textSize(std::string_view utf8) const
{
    std::u32string text = sys::decodeUtf8(utf8);
    Size size;
    for (auto line : splitLines(text)) {
        size.width = std::max(size.width, width(line));
        size.height += metrics().height;
    }
    return size;
}

} // namespace plat::gfx
