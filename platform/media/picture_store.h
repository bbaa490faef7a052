#pragma once
#include "platform/gfx/bounded_picture.h"

#include <cstdint>
#include <functional>
#include <future>
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
//
// A file the operator picks while the windows run (a new logo) is prepared: decoded away from
// the user-interface thread, so that however big it is no timer and no repaint waits for it, and
// then loaded from what is held. The store itself is used on the user-interface thread only.
class PictureStore {
public:
    static PictureStore& instance();
    ~PictureStore();

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

    // Decodes the file at `path` for `fit` on a thread of its own unless this version of it is held
    // already. `done` runs on the user-interface thread, from a timer of the window system, once
    // the store holds it (true: a load of it then decodes nothing) or it cannot be shown (false);
    // at once when that is known already. Preparations of one version share one decode. On the
    // virtual clock the timer's first tick waits for the decode; without a window system the file
    // is decoded at once.
    void prepare(const std::string& path, gfx::PictureFit fit, std::function<void(bool held)> done);
    // Whether this version of the file at `path` is decoded for `fit` and held.
    bool holds(const std::string& path, gfx::PictureFit fit);
    // The file at `copy` has just been written with the bytes of `original`: its version shares
    // what is held of `original` for `fit`, so that loading the copy decodes nothing. Nothing
    // happens when that is not held.
    void adoptCopy(const std::string& copy, const std::string& original, gfx::PictureFit fit);

    // The picture of `key` as a control of `size` shows it: scaled to that size, or for a crop its
    // top-left part. Null when that version of the file is no longer decoded and the file has
    // changed or gone since.
    std::shared_ptr<const gfx::Surface> shown(const Key& key, gfx::Size size);

    // How many files have been decoded on the user-interface thread, and how many prepared away
    // from it (for tests and the benchmarks).
    int decodes() const { return m_decodes; }
    int preparedDecodes() const { return m_prepared; }
    // Preparations not yet done.
    size_t preparing() const { return m_preparing.size(); }
    // Forgets what is kept, and what is being prepared (waiting for its decode to end; tests).
    void clear();

private:
    struct Kept {
        Key key;
        std::shared_ptr<const gfx::Surface> picture;
        gfx::Size original;
    };
    struct Preparation {
        Key key;
        std::future<std::optional<gfx::BoundedPicture>> decoded;
        std::vector<std::function<void(bool)>> done;
    };
    // The key of the file as it is now; nullopt when it cannot be read.
    static std::optional<Key> currentKey(const std::string& path, gfx::PictureFit fit);
    std::list<Kept>::const_iterator findKept(const Key& key) const;
    bool isKept(const Key& key) const;
    void startPolling();
    void stopPolling();
    void pollPreparations();
    std::shared_ptr<const gfx::Surface> source(const Key& key);
    void keep(const Key& key, std::shared_ptr<const gfx::Surface> picture, gfx::Size original);

    std::list<Kept> m_recent; // most recent first
    std::map<std::tuple<Key, int, int>, std::weak_ptr<const gfx::Surface>> m_shown;
    std::list<Preparation> m_preparing;
    uint64_t m_pollTimer = 0; // the window system's timer that looks for finished preparations
    void* m_pollSystem = nullptr;
    int m_decodes = 0;
    int m_prepared = 0;
};

} // namespace plat::media
