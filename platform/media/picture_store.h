#pragma once
#include "platform/gfx/bounded_picture.h"

#include <cstdint>
#include <list>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <tuple>

namespace plat::media {

// The pictures that the picture controls show, decoded once and shared. A file is decoded once
// (for one version of it: its size and time of change) and kept no larger than the screen, since
// no control shows more of it; each control then shows a copy at its own size, which the controls
// of that size share. Nothing is held once no control shows it, but the few files decoded last,
// which the next control usually asks for.
class PictureStore {
public:
    static PictureStore& instance();

    // One version of one file, decoded for one kind of fit.
    struct Key {
        std::string path;
        uintmax_t bytes = 0;
        int64_t changed = 0;
        gfx::PictureFit fit = gfx::PictureFit::Scale;
        auto operator<=>(const Key&) const = default;
    };
    struct Loaded {
        Key key;
        gfx::Size original; // the picture's own size in the file
    };

    // Decodes the file at `path` unless this version of it is decoded already. nullopt when it is
    // missing or unreadable; `error` then says why.
    std::optional<Loaded> load(const std::string& path, gfx::PictureFit fit, std::string& error);

    // The picture of `key` as a control of `size` shows it: scaled to that size, or for a crop its
    // top-left part. Null when that version of the file is no longer decoded and the file has
    // changed or gone since.
    std::shared_ptr<const gfx::Surface> shown(const Key& key, gfx::Size size);

    // How many files have been decoded (for tests and the benchmarks).
    int decodes() const { return m_decodes; }
    // Forgets what is kept (tests).
    void clear();

private:
    std::shared_ptr<const gfx::Surface> source(const Key& key);
    void keep(const Key& key, std::shared_ptr<const gfx::Surface> picture, gfx::Size original);

    struct Kept {
        Key key;
        std::shared_ptr<const gfx::Surface> picture;
        gfx::Size original;
    };
    std::list<Kept> m_recent; // most recent first
    std::map<std::tuple<Key, int, int>, std::weak_ptr<const gfx::Surface>> m_shown;
    int m_decodes = 0;
};

} // namespace plat::media
