#pragma once
#include "platform/gfx/face_map.h"
#include "platform/gfx/font.h"
#include "platform/gfx/glyph_cache.h"

#include <functional>
#include <memory>
#include <string>

typedef struct FT_LibraryRec_* FT_Library;
typedef struct FT_FaceRec_* FT_Face;

namespace plat::gfx {

// Where a face was found and what must be done to it.
struct FaceFile {
    std::string file;
    int index = 0;
    std::string family;
    bool synthesizeBold = false;
    bool synthesizeItalic = false;
    FaceCandidate adjust; // scale and line metrics of a stand-in
};

// A font file opened by FreeType at one em size, with its glyph cache. Characters the file has
// no glyph for come from the fallback face, when one is given.
class FreeTypeFace final : public FontFace {
public:
    using FallbackSource = std::function<std::shared_ptr<FontFace>()>;

    // Returns null when FreeType cannot open the file.
    static std::shared_ptr<FreeTypeFace> open(FT_Library library, const FaceFile& file, int emPixels,
        FallbackSource fallback);
    ~FreeTypeFace() override;

    const FontMetrics& metrics() const override { return m_metrics; }
    const Glyph& glyph(char32_t codePoint) override;
    std::string family() const override { return m_file.family; }
    std::string file() const override { return m_file.file; }
    bool hasGlyph(char32_t codePoint) const;
    size_t cachedGlyphs() const { return m_cache.size(); }

private:
    FreeTypeFace(FT_Face face, FaceFile file, int emPixels, FallbackSource fallback);
    void computeMetrics();
    Glyph render(unsigned glyphIndex);

    FT_Face m_face = nullptr;
    FaceFile m_file;
    int m_em = 0;
    FontMetrics m_metrics;
    GlyphCache m_cache;
    FallbackSource m_fallbackSource;
    std::shared_ptr<FontFace> m_fallback;
    bool m_fallbackTried = false;
};

} // namespace plat::gfx
