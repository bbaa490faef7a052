#pragma once
#include "platform/gfx/geometry.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace plat::gfx {

// What a form asks for: a face name as the forms spell it ("宋体", "Arial", "DS-Digital"), a size
// in points at 96 dpi, and the style.
struct FontRequest {
    std::string face = "宋体";
    double points = 9.0;
    int pixelHeight = 0; // when above 0, the em height in pixels, overriding `points`
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeout = false;
    int escapement = 0; // tenths of a degree counter-clockwise; 900 reads bottom to top

    int emPixels() const;
    bool operator==(const FontRequest&) const = default;
};

// Line metrics in pixels, as a text-metric record gives them.
struct FontMetrics {
    int ascent = 0;          // baseline to the top of the cell
    int descent = 0;         // baseline to the bottom of the cell
    int height = 0;          // ascent + descent: the line height DrawText uses
    int internalLeading = 0; // height - em
    int externalLeading = 0;
    int averageCharWidth = 0;
    int maxCharWidth = 0;
    int underlinePosition = 1; // rows between the baseline (the first row under the ink) and the underline
    int underlineThickness = 1;
    int strikeoutPosition = 1; // pixels above the baseline of the strike-through's top row
    int strikeoutThickness = 1;
};

// A rendered glyph: 8-bit coverage, placed relative to the pen on the baseline.
struct Glyph {
    int advance = 0;
    int left = 0; // from the pen to the bitmap's first column
    int top = 0;  // from the baseline up to the bitmap's first row
    int width = 0;
    int height = 0;
    std::vector<uint8_t> coverage; // width × height, row after row
};

// A face at one size: metrics and glyphs (rendered once, then cached).
class FontFace {
public:
    virtual ~FontFace() = default;
    virtual const FontMetrics& metrics() const = 0;
    virtual const Glyph& glyph(char32_t codePoint) = 0;
    // The family actually used, and its file (empty for built-in faces).
    virtual std::string family() const = 0;
    virtual std::string file() const { return {}; }
};

// A font as drawing code holds it: a shared sized face plus the style drawn on top of the glyphs
// (underline, strike-through, escapement). Cheap to copy.
class Font {
public:
    Font() = default;
    Font(std::shared_ptr<FontFace> face, FontRequest request);

    // Opens the font through the face map, FreeType and fontconfig. Never fails: an unknown
    // face gives fontconfig's nearest match, and without any font file a built-in face.
    static Font open(const FontRequest& request);
    static Font open(std::string_view face, double points, bool bold = false);

    bool isNull() const { return !m_face; }
    const FontRequest& request() const { return m_request; }
    const FontMetrics& metrics() const;
    FontFace* face() const { return m_face.get(); }
    int escapement() const { return m_request.escapement; }
    bool underline() const { return m_request.underline; }
    bool strikeout() const { return m_request.strikeout; }

    // The same face with another escapement, underline or strike-through.
    Font withEscapement(int tenthsOfDegree) const;
    Font withUnderline(bool on) const;
    Font withStrikeout(bool on) const;

    int advance(char32_t codePoint) const;
    int width(std::u32string_view text) const;
    // One line as GetTextExtentPoint32 measures it: the sum of the advances and the line height.
    Size textExtent(std::string_view utf8) const;
    // Text that may hold CR LF breaks: the widest line and the lines' total height.
    Size textSize(std::string_view utf8) const;

private:
    std::shared_ptr<FontFace> m_face;
    FontRequest m_request;
};

} // namespace plat::gfx
