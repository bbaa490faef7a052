#include "platform/gfx/font_library.h"

#include "platform/gfx/face_map.h"
#include "platform/gfx/fixed_face.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace plat::gfx {

namespace {

constexpr size_t kKeptFaces = 48;

std::string lower(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return s;
}

std::string faceKey(const FaceFile& f, int em, bool withFallback)
{
    char buf[160];
    std::snprintf(buf, sizeof buf, "|%d|%d|%d%d%d|%.4f|%.4f|%.4f|%.4f", f.index, em, f.synthesizeBold,
        f.synthesizeItalic, withFallback, f.adjust.scaleX, f.adjust.scaleY, f.adjust.ascent, f.adjust.descent);
    return f.file + buf;
}

} // namespace

FontLibrary& FontLibrary::instance()
{
    static FontLibrary library;
    return library;
}

FontLibrary::FontLibrary()
{
    FcInit();
    if (FT_Init_FreeType(&m_library) != 0)
        m_library = nullptr;
}

FontLibrary::~FontLibrary()
{
    m_faces.clear();
    if (m_library)
        FT_Done_FreeType(m_library);
}

bool FontLibrary::addFontFile(const std::string& path)
{
    if (!FcConfigAppFontAddFile(nullptr, reinterpret_cast<const FcChar8*>(path.c_str())))
        return false;
    m_resolved.clear();
    return true;
}

std::optional<FaceFile> FontLibrary::match(const FaceCandidate& candidate, bool bold, bool italic, bool chinese,
    bool exactFamily)
{
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(candidate.family.c_str()));
    FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    if (chinese) {
        FcLangSet* langs = FcLangSetCreate();
        FcLangSetAdd(langs, reinterpret_cast<const FcChar8*>("zh-cn"));
        FcPatternAddLangSet(pattern, FC_LANG, langs);
        FcLangSetDestroy(langs);
    }
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* found = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    if (!found)
        return std::nullopt;

    std::optional<FaceFile> out;
    FcChar8* family = nullptr;
    bool familyMatches = false;
    std::string firstFamily;
    const std::string wanted = lower(candidate.family);
    for (int i = 0; FcPatternGetString(found, FC_FAMILY, i, &family) == FcResultMatch; ++i) {
        std::string name = reinterpret_cast<const char*>(family);
        if (i == 0)
            firstFamily = name;
        if (lower(name) == wanted)
            familyMatches = true;
    }
    FcChar8* file = nullptr;
    if ((familyMatches || !exactFamily) && FcPatternGetString(found, FC_FILE, 0, &file) == FcResultMatch) {
        FaceFile f;
        f.file = reinterpret_cast<const char*>(file);
        int index = 0, weight = FC_WEIGHT_REGULAR, slant = FC_SLANT_ROMAN;
        FcPatternGetInteger(found, FC_INDEX, 0, &index);
        FcPatternGetInteger(found, FC_WEIGHT, 0, &weight);
        FcPatternGetInteger(found, FC_SLANT, 0, &slant);
        f.index = index;
        f.family = familyMatches ? candidate.family : firstFamily;
        // fontconfig reports the style it was asked for and marks what the file lacks.
        FcBool embolden = FcFalse;
        FcPatternGetBool(found, FC_EMBOLDEN, 0, &embolden);
        FcMatrix* matrix = nullptr;
        const bool slanted = FcPatternGetMatrix(found, FC_MATRIX, 0, &matrix) == FcResultMatch && matrix && matrix->xy != 0;
        f.synthesizeBold = bold && (embolden || weight < FC_WEIGHT_DEMIBOLD);
        f.synthesizeItalic = italic && (slanted || slant == FC_SLANT_ROMAN);
        f.adjust = candidate;
        f.adjust.family = f.family;
        out = f;
    }
    FcPatternDestroy(found);
    return out;
}

std::optional<FaceFile> FontLibrary::resolve(const FontRequest& request)
{
    const int em = request.emPixels();
    FaceMapping mapping = mapFace(request.face);
    // The sizes a candidate is kept for are part of what was resolved.
    std::string sizes;
    for (const FaceCandidate& c : mapping.candidates)
        sizes += c.minEmPixels > em ? '-' : '+';
    const std::string key = lower(request.face) + (request.bold ? "|b" : "|") + (request.italic ? "i" : "") + "|" + sizes;
    auto it = m_resolved.find(key);
    if (it != m_resolved.end())
        return it->second;
    std::optional<FaceFile> found;
    for (const FaceCandidate& c : mapping.candidates) {
        if (c.minEmPixels > em)
            continue;
        found = match(c, request.bold, request.italic, mapping.chinese, true);
        if (found)
            break;
    }
    if (!found) // fontconfig's nearest face for the name
        found = match({request.face}, request.bold, request.italic, mapping.chinese, false);
    m_resolved[key] = found;
    return found;
}

std::shared_ptr<FontFace> FontLibrary::fallbackFor(int emPixels, bool bold, const std::string& exceptFile)
{
    for (const std::string& family : fallbackFamilies()) {
        auto f = match({family}, bold, false, true, true);
        if (!f || f->file == exceptFile)
            continue;
        if (auto face = openFile(*f, emPixels, false, bold))
            return face;
    }
    return nullptr;
}

std::shared_ptr<FontFace> FontLibrary::openFile(const FaceFile& file, int emPixels, bool withFallback, bool bold)
{
    const std::string key = faceKey(file, emPixels, withFallback) + (bold ? "|bold" : "");
    auto it = m_faces.find(key);
    if (it != m_faces.end())
        return it->second;
    FreeTypeFace::FallbackSource fallback;
    if (withFallback) {
        const std::string self = file.file;
        fallback = [this, emPixels, bold, self] { return fallbackFor(emPixels, bold, self); };
    }
    std::shared_ptr<FontFace> face = FreeTypeFace::open(m_library, file, emPixels, std::move(fallback));
    if (!face)
        return nullptr;
    trimCache();
    m_faces.emplace(key, face);
    return face;
}

std::shared_ptr<FontFace> FontLibrary::open(const FontRequest& request)
{
    const int em = request.emPixels();
    if (auto file = resolve(request))
        if (auto face = openFile(*file, em, true, request.bold))
            return face;
    // No usable font file at all: the built-in face keeps text measurable and visible.
    FixedFaceSpec spec;
    spec.ascent = std::max(2, em * 4 / 5);
    spec.descent = std::max(1, em - spec.ascent);
    spec.advance = std::max(2, em / 2);
    return makeFixedFace(spec);
}

std::shared_ptr<FontFace> FontLibrary::openUncached(const FontRequest& request)
{
    auto file = resolve(request);
    if (!file)
        return nullptr;
    return FreeTypeFace::open(m_library, *file, request.emPixels(), nullptr);
}

void FontLibrary::trimCache()
{
    if (m_faces.size() < kKeptFaces)
        return;
    for (auto it = m_faces.begin(); it != m_faces.end();) {
        if (it->second.use_count() == 1)
            it = m_faces.erase(it);
        else
            ++it;
    }
}

} // namespace plat::gfx
