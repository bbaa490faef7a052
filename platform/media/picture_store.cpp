#include "platform/media/picture_store.h"
#include "platform/gfx/area_reducer.h"
#include "platform/window/api.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <filesystem>

namespace plat::media {

namespace {

// Decoded files kept after the last control showing them let go: the logo goes into several
// controls one after the other, and a board's screen-sized picture is a few megabytes at most.
constexpr size_t kRecentFiles = 4;

// How often the user-interface thread looks for preparations that are done.
constexpr uint32_t kPreparationPollMs = 10;

// No control shows more of a picture than the screen holds; without windows, the board's screen.
gfx::Size screenBound()
{
    if (!win::WindowSystem::current())
        return {1024, 768};
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

// A decode still running at the end is waited for (the future does); the window system, and its
// timer with it, is gone by then.
PictureStore::~PictureStore() = default;

void PictureStore::clear()
{
    m_recent.clear();
    m_shown.clear();
    m_preparing.clear();
    stopPolling();
}

// The timer belongs to the window system that ran when it was set; another one (a test's next
// session) gets its own.
void PictureStore::startPolling()
{
    win::WindowSystem* running = win::WindowSystem::current();
    if (!running || (m_pollTimer != 0 && m_pollSystem == running))
        return;
    m_pollSystem = running;
    m_pollTimer = win::SetTimer(0, 0, kPreparationPollMs, [this](win::HWND, win::TimerId) { pollPreparations(); });
}

void PictureStore::stopPolling()
{
    if (m_pollTimer != 0 && m_pollSystem == win::WindowSystem::current())
        win::KillTimer(0, m_pollTimer);
    m_pollTimer = 0;
    m_pollSystem = nullptr;
}

std::optional<PictureStore::Key> PictureStore::currentKey(const std::string& path, gfx::PictureFit fit)
{
    const auto version = fileVersion(path);
    if (!version)
        return std::nullopt;
    return Key{path, version->first, version->second, fit};
}

std::list<PictureStore::Kept>::const_iterator PictureStore::findKept(const Key& key) const
{
    return std::find_if(m_recent.begin(), m_recent.end(), [&key](const Kept& kept) { return kept.key == key; });
}

bool PictureStore::isKept(const Key& key) const { return findKept(key) != m_recent.end(); }

bool PictureStore::holds(const std::string& path, gfx::PictureFit fit)
{
    const std::optional<Key> key = currentKey(path, fit);
    return key && isKept(*key);
}

void PictureStore::prepare(const std::string& path, gfx::PictureFit fit, std::function<void(bool held)> done)
{
    const std::optional<Key> key = currentKey(path, fit);
    if (!key || isKept(*key)) {
        if (done)
            done(key.has_value());
        return;
    }
    if (!win::WindowSystem::current()) {
        // No timer to come back on: decoded here.
        std::string error;
        const bool held = load(path, fit, error).has_value();
        if (done)
            done(held);
        return;
    }
    for (Preparation& running : m_preparing)
        if (running.key == *key) {
            running.done.push_back(std::move(done));
            return;
        }
    // The decode touches nothing but the file and what it makes; the screen's size is taken here.
    const gfx::Size bound = screenBound();
    Preparation preparation{*key, std::async(std::launch::async, [path, bound, fit] {
        std::string error;
        return gfx::loadBoundedPicture(path, bound, fit, error);
    }), {}};
    preparation.done.push_back(std::move(done));
    m_preparing.push_back(std::move(preparation));
    startPolling();
}

void PictureStore::pollPreparations()
{
    // On the virtual clock work takes no time: the first look waits for the decode, so that a run
    // on it goes the same way each time.
    win::WindowSystem* running = win::WindowSystem::current();
    const bool waitForIt = running && running->clock().isVirtual();
    std::vector<std::pair<std::function<void(bool)>, bool>> finished;
    for (auto it = m_preparing.begin(); it != m_preparing.end();) {
        if (!waitForIt && it->decoded.wait_for(std::chrono::seconds(0)) != std::future_status::ready) {
            ++it;
            continue;
        }
        std::optional<gfx::BoundedPicture> decoded = it->decoded.get();
        const bool held = decoded.has_value();
        if (held) {
            ++m_prepared;
            if (!isKept(it->key))
                keep(it->key, std::make_shared<const gfx::Surface>(std::move(decoded->image)), decoded->original);
        }
        for (auto& done : it->done)
            finished.emplace_back(std::move(done), held);
        it = m_preparing.erase(it);
    }
    if (m_preparing.empty())
        stopPolling();
    // Last, as what they do may prepare or load again.
    for (auto& [done, held] : finished)
        if (done)
            done(held);
}

void PictureStore::adoptCopy(const std::string& copy, const std::string& original, gfx::PictureFit fit)
{
    const std::optional<Key> from = currentKey(original, fit);
    const std::optional<Key> to = currentKey(copy, fit);
    if (!from || !to || isKept(*to))
        return;
    if (const auto kept = findKept(*from); kept != m_recent.end()) {
        const Kept shared = *kept;
        keep(*to, shared.picture, shared.original);
    }
}

std::optional<PictureStore::Loaded> PictureStore::load(const std::string& path, gfx::PictureFit fit, std::string& error)
{
    const std::optional<Key> current = currentKey(path, fit);
    if (!current) {
        error = "cannot read the file";
        return std::nullopt;
    }
    const Key& key = *current;
    if (const auto kept = findKept(key); kept != m_recent.end()) {
        m_recent.splice(m_recent.begin(), m_recent, kept);
        return Loaded{key, kept->original};
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
    if (const auto kept = findKept(key); kept != m_recent.end())
        return kept->picture;
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
