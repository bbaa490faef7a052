#pragma once
#include "platform/gfx/font.h"
#include "platform/gfx/freetype_face.h"

#include <map>
#include <memory>
#include <optional>
#include <string>

namespace plat::gfx {

// Finds and opens faces: the face map names the families, fontconfig finds their files, FreeType
// opens them at a size. Opened faces and their glyphs are kept for reuse. User-interface thread
// only.
class FontLibrary {
public:
    static FontLibrary& instance();
    ~FontLibrary();
    FontLibrary(const FontLibrary&) = delete;
    FontLibrary& operator=(const FontLibrary&) = delete;

    std::shared_ptr<FontFace> open(const FontRequest& request);
    // A face opened afresh, sharing nothing with the cache (its glyphs start cold); null when
    // the request leads to no font file.
    std::shared_ptr<FontFace> openUncached(const FontRequest& request);

    // Where a request leads (the first candidate fontconfig has), or nothing when fontconfig
    // knows no font at all.
    std::optional<FaceFile> resolve(const FontRequest& request);

    // Makes a font file known to this process (a face the program ships); absolute path.
    // Returns false when fontconfig refuses it.
    bool addFontFile(const std::string& path);

    size_t openFaces() const { return m_faces.size(); }

private:
    FontLibrary();
    std::optional<FaceFile> match(const FaceCandidate& candidate, bool bold, bool italic, bool chinese,
        bool exactFamily);
    std::shared_ptr<FontFace> openFile(const FaceFile& file, int emPixels, bool withFallback, bool bold);
    std::shared_ptr<FontFace> fallbackFor(int emPixels, bool bold, const std::string& exceptFile);
    void trimCache();

    FT_Library m_library = nullptr;
    std::map<std::string, std::optional<FaceFile>> m_resolved;
    std::map<std::string, std::shared_ptr<FontFace>> m_faces;
};

} // namespace plat::gfx
