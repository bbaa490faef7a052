#include "platform/media/picture_store.h"
#include "platform/gfx/area_reducer.h"
#include "platform/window/api.h"

#include <cstring>
#include <filesystem>

namespace plat::media {

namespace {

// Decoded files kept after the last control showing them let go: the logo goes into several
// controls one after the other, and a board's screen-sized picture is a few megabytes at most.
constexpr size_t kRecentFiles = 4;

// No control shows more of a picture than the screen holds.
gfx::Size screenBound()
{
    const int width = win::GetSystemMetrics(win::SM_CXSCREEN), height = win::GetSystemMetrics(win::SM_CYSCREEN);
    return width > 0 && height > 0 ? gfx::Size{width, height} : gfx::Size{1024, 768};
}

std::optional<std::pair<uintmax_t, int64_t>> fileVersion(const std::string& path)
{
    std::error_code error;
    const uintmax_t bytes = std::filesystem::file_size(path, error);
    if (error)
        return std::nullopt;
    const auto changed = std::filesystem::last_write_time(path, error);
    if (error)
        return std::nullopt;
    return std::pair{bytes, int64_t(changed.time_since_epoch().count())};
}

} // namespace

PictureStore& PictureStore::instance()
{
    static PictureStore store;
    return store;
}

void PictureStore::clear()
{
    m_recent.clear();
    m_shown.clear();
}

std::optional<PictureStore::Loaded> PictureStore::load(const std::string& path, gfx::PictureFit fit, std::string& error)
{
    const auto version = fileVersion(path);
    if (!version) {
        error = "cannot read the file";
        return std::nullopt;
    }
    Key key{path, version->first, version->second, fit};
    for (auto it = m_recent.begin(); it != m_recent.end(); ++it)
        if (it->key == key) {
            m_recent.splice(m_recent.begin(), m_recent, it);
            return Loaded{key, it->original};
        }
    auto decoded = gfx::loadBoundedPicture(path, screenBound(), fit, error);
    if (!decoded)
        return std::nullopt;
    ++m_decodes;
    const gfx::Size original = decoded->original;
    keep(key, std::make_shared<const gfx::Surface>(std::move(decoded->image)), original);
    return Loaded{key, original};
}

void PictureStore::keep(const Key& key, std::shared_ptr<const gfx::Surface> picture, gfx::Size original)
{
    m_recent.push_front({key, std::move(picture), original});
    if (m_recent.size() > kRecentFiles)
        m_recent.pop_back();
}

std::shared_ptr<const gfx::Surface> PictureStore::source(const Key& key)
{
    for (const Kept& kept : m_recent)
        if (kept.key == key)
            return kept.picture;
    // Gone from the recent ones: decoded again only if the file is still that version.
    const auto version = fileVersion(key.path);
    if (!version || *version != std::pair{key.bytes, key.changed})
        return nullptr;
    std::string error;
    auto decoded = gfx::loadBoundedPicture(key.path, screenBound(), key.fit, error);
    if (!decoded)
        return nullptr;
    ++m_decodes;
    auto picture = std::make_shared<const gfx::Surface>(std::move(decoded->image));
    keep(key, picture, decoded->original);
    return picture;
}

std::shared_ptr<const gfx::Surface> PictureStore::shown(const Key& key, gfx::Size size)
{
    if (size.width <= 0 || size.height <= 0)
        return nullptr;
    const auto at = std::tuple{key, size.width, size.height};
    if (auto it = m_shown.find(at); it != m_shown.end())
        if (auto shared = it->second.lock())
            return shared;
    const std::shared_ptr<const gfx::Surface> picture = source(key);
    if (!picture)
        return nullptr;
    std::shared_ptr<const gfx::Surface> made;
    if (key.fit == gfx::PictureFit::Scale) {
        made = std::make_shared<const gfx::Surface>(gfx::scalePicture(*picture, size));
    } else if (picture->width() <= size.width && picture->height() <= size.height) {
        made = picture;
    } else {
        gfx::Surface part(std::min(size.width, picture->width()), std::min(size.height, picture->height()), 0);
        for (int y = 0; y < part.height(); ++y)
            std::memcpy(part.row(y), picture->row(y), size_t(part.width()) * 4);
        made = std::make_shared<const gfx::Surface>(std::move(part));
    }
    // Forget the sizes no control shows any more.
    std::erase_if(m_shown, [](const auto& entry) { return entry.second.expired(); });
    m_shown[at] = made;
    return made;
}

} // namespace plat::media
