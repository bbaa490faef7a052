#include "platform/window/window_system.h"
#include "platform/window/default_proc.h"
#include "platform/system/utf8.h"
#include <algorithm>
#include <stdexcept>

namespace plat::win {

static WindowSystem* s_current = nullptr;

WindowSystem* WindowSystem::current() { return s_current; }

WindowSystem::WindowSystem(BackendPort& backend, gfx::Size screen)
    : m_backend(backend)
    , m_screen(screen.width, screen.height, 0xFF000000u)
{
    if (s_current)
        throw std::logic_error("only one window system runs at a time");
    s_current = this;
    m_dirty.push_back(m_screen.rect());
}

WindowSystem::~WindowSystem()
{
    // Destroy what is left so owners see WM_DESTROY while the system still stands.
    while (!m_topLevels.empty())
        destroy(m_topLevels.back());
    s_current = nullptr;
}

Window* WindowSystem::get(HWND hwnd)
{
    auto it = m_windows.find(hwnd);
    return it == m_windows.end() ? nullptr : &it->second;
}

const Window* WindowSystem::get(HWND hwnd) const
{
    auto it = m_windows.find(hwnd);
    return it == m_windows.end() ? nullptr : &it->second;
}

std::vector<HWND>& WindowSystem::siblingsOf(HWND hwnd)
{
    Window* w = get(hwnd);
    if (w && w->parent)
        return get(w->parent)->children;
    return m_topLevels;
}

HWND WindowSystem::create(const std::string& className, HWND parent, const gfx::Rect& rect, bool visible, WndProc proc)
{
    if (parent && !get(parent))
        return 0;
    HWND h = m_nextHandle++;
    Window& w = m_windows[h];
    w.handle = h;
    w.parent = parent;
    w.className = className;
    w.rect = rect;
    w.visible = visible;
    w.proc = std::move(proc);
    w.image = gfx::Surface(std::max(rect.width(), 0), std::max(rect.height(), 0), 0xFF000000u);
    if (parent)
        get(parent)->children.push_back(h);
    else
        m_topLevels.push_back(h);
    send(h, WM_CREATE, 0, 0);
    if (visible)
        markDirty(h);
    return h;
}

void WindowSystem::destroyTree(HWND hwnd)
{
    Window* w = get(hwnd);
    if (!w)
        return;
    w->destroying = true;
    send(hwnd, WM_DESTROY, 0, 0);
    std::vector<HWND> kids = get(hwnd)->children;
    for (HWND c : kids)
        destroyTree(c);
    m_timers.killAllOf(hwnd);
    if (m_focus == hwnd)
        m_focus = 0;
    if (m_capture == hwnd) {
        m_capture = 0;
        m_implicitCapture = false;
    }
    if (m_tracking.hwnd == hwnd)
        m_tracking = {};
    if (m_active == hwnd)
        m_active = 0;
    if (m_lastClick.hwnd == hwnd)
        m_lastClick = {};
    m_windows.erase(hwnd);
}

void WindowSystem::destroy(HWND hwnd)
{
    Window* w = get(hwnd);
    if (!w || w->destroying)
        return;
    markDirty(hwnd);
    std::erase(siblingsOf(hwnd), hwnd);
    destroyTree(hwnd);
    if (!m_active && !m_topLevels.empty()) {
        for (auto it = m_topLevels.rbegin(); it != m_topLevels.rend(); ++it)
            if (isVisible(*it)) {
                m_active = *it;
                break;
            }
    }
}

void WindowSystem::setParent(HWND hwnd, HWND parent)
{
    Window* w = get(hwnd);
    if (!w || (parent && (!get(parent) || isAncestor(hwnd, parent) || parent == hwnd)))
        return;
    markDirty(hwnd);
    std::erase(siblingsOf(hwnd), hwnd);
    w->parent = parent;
    if (parent)
        get(parent)->children.push_back(hwnd);
    else
        m_topLevels.push_back(hwnd);
    markDirty(hwnd);
}

void WindowSystem::move(HWND hwnd, const gfx::Rect& rect)
{
    Window* w = get(hwnd);
    if (!w)
        return;
    bool moved = rect.left != w->rect.left || rect.top != w->rect.top;
    bool sized = rect.width() != w->rect.width() || rect.height() != w->rect.height();
    if (!moved && !sized)
        return;
    markDirty(hwnd);
    w->rect = rect;
    if (sized)
        w->image.resize(std::max(rect.width(), 0), std::max(rect.height(), 0), 0xFF000000u);
    markDirty(hwnd);
    if (moved)
        send(hwnd, WM_MOVE, 0, makeLParam(rect.left, rect.top));
    if (sized)
        send(hwnd, WM_SIZE, 0, makeLParam(rect.width(), rect.height()));
}

void WindowSystem::show(HWND hwnd, bool visible)
{
    Window* w = get(hwnd);
    if (!w || w->visible == visible)
        return;
    markDirty(hwnd); // while still visible, when hiding
    w->visible = visible;
    markDirty(hwnd);
    send(hwnd, WM_SHOWWINDOW, visible ? 1 : 0, 0);
    if (!visible) {
        if (m_focus && isAncestor(hwnd, m_focus))
            setFocus(0);
        if (m_capture && isAncestor(hwnd, m_capture))
            releaseCapture();
    } else if (!w->parent) {
        m_active = hwnd;
    }
}

bool WindowSystem::isVisible(HWND hwnd) const
{
    for (const Window* w = get(hwnd); w; w = w->parent ? get(w->parent) : nullptr)
        if (!w->visible)
            return false;
    return get(hwnd) != nullptr;
}

void WindowSystem::enable(HWND hwnd, bool enabled)
{
    Window* w = get(hwnd);
    if (!w || w->enabled == enabled)
        return;
    w->enabled = enabled;
    if (!enabled) {
        if (m_focus && isAncestor(hwnd, m_focus))
            setFocus(0);
        if (m_capture && isAncestor(hwnd, m_capture))
            releaseCapture();
    }
    send(hwnd, WM_ENABLE, enabled ? 1 : 0, 0);
}

bool WindowSystem::isEnabled(HWND hwnd) const
{
    for (const Window* w = get(hwnd); w; w = w->parent ? get(w->parent) : nullptr)
        if (!w->enabled)
            return false;
    return get(hwnd) != nullptr;
}

void WindowSystem::bringToTop(HWND hwnd)
{
    if (!get(hwnd))
        return;
    auto& sibs = siblingsOf(hwnd);
    std::erase(sibs, hwnd);
    sibs.push_back(hwnd);
    markDirty(hwnd);
}

void WindowSystem::sendToBack(HWND hwnd)
{
    if (!get(hwnd))
        return;
    auto& sibs = siblingsOf(hwnd);
    std::erase(sibs, hwnd);
    sibs.insert(sibs.begin(), hwnd);
    markDirty(hwnd);
}

void WindowSystem::setRegion(HWND hwnd, std::optional<gfx::Region> region)
{
    Window* w = get(hwnd);
    if (!w)
        return;
    markDirty(hwnd);
    w->region = std::move(region);
    markDirty(hwnd);
}

gfx::Point WindowSystem::toScreen(HWND hwnd, gfx::Point p) const
{
    for (const Window* w = get(hwnd); w; w = w->parent ? get(w->parent) : nullptr) {
        p.x += w->rect.left;
        p.y += w->rect.top;
    }
    return p;
}

gfx::Rect WindowSystem::screenRect(HWND hwnd) const
{
    const Window* w = get(hwnd);
    if (!w)
        return {};
    gfx::Point o = toScreen(hwnd, {0, 0});
    return gfx::Rect::fromSize(o.x, o.y, w->rect.width(), w->rect.height());
}

HWND WindowSystem::topLevelOf(HWND hwnd) const
{
    const Window* w = get(hwnd);
    while (w && w->parent)
        w = get(w->parent);
    return w ? w->handle : 0;
}

bool WindowSystem::isAncestor(HWND ancestor, HWND hwnd) const
{
    for (const Window* w = get(hwnd); w; w = w->parent ? get(w->parent) : nullptr)
        if (w->handle == ancestor)
            return true;
    return false;
}

HWND WindowSystem::windowFromPoint(gfx::Point p) const { return hitTest(m_topLevels, p); }

// Walks from the top of the z-order down; a hit descends into the children.
HWND WindowSystem::hitTest(const std::vector<HWND>& list, gfx::Point local) const
{
    for (auto it = list.rbegin(); it != list.rend(); ++it) {
        const Window* w = get(*it);
        if (!w || !w->visible || w->transparentToMouse || !w->rect.contains(local.x, local.y))
            continue;
        gfx::Point inner{local.x - w->rect.left, local.y - w->rect.top};
        if (w->region && !w->region->contains(inner.x, inner.y))
            continue;
        if (!w->enabled)
            return w->handle; // a disabled window swallows the point and takes no input
        HWND child = hitTest(w->children, inner);
        return child ? child : w->handle;
    }
    return 0;
}

// --- procedures and messages ---

WndProc WindowSystem::setProc(HWND hwnd, WndProc proc)
{
    Window* w = get(hwnd);
    if (!w)
        return nullptr;
    WndProc previous = w->proc;
    w->proc = std::move(proc);
    return previous;
}

LRESULT WindowSystem::send(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    Window* w = get(hwnd);
    if (!w)
        return 0;
    WndProc proc = w->proc; // keep it alive while it runs, even if it replaces itself
    if (proc && *proc)
        return (*proc)(hwnd, msg, wParam, lParam);
    return DefWindowProc(hwnd, msg, wParam, lParam);
}

bool WindowSystem::post(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (hwnd && !get(hwnd))
        return false;
    Queued q{Queued::Kind::Message, MSG{hwnd, msg, wParam, lParam}, {}, {}};
    m_queue.push_back(std::move(q));
    return true;
}

void WindowSystem::postQuit(int code)
{
    if (!m_quit)
        m_quit = code;
}

int WindowSystem::addMessageFilter(MessageFilter filter)
{
    int id = m_nextFilterId++;
    m_filters.emplace_back(id, std::move(filter));
    return id;
}

void WindowSystem::removeMessageFilter(int id)
{
    std::erase_if(m_filters, [&](const auto& f) { return f.first == id; });
}

void WindowSystem::postTask(std::function<void()> fn)
{
    Queued q{Queued::Kind::Task, {}, {}, std::move(fn)};
    m_queue.push_back(std::move(q));
}

void WindowSystem::queueInput(const InputEvent& event)
{
    Queued q{Queued::Kind::Input, {}, event, {}};
    m_queue.push_back(std::move(q));
}

void WindowSystem::queueText(std::string_view utf8)
{
    for (char32_t c : sys::decodeUtf8(utf8)) {
        InputEvent e{InputEvent::Kind::Char};
        e.value = int(c);
        queueInput(e);
    }
}

bool WindowSystem::filterAndDispatch(MSG& msg)
{
    auto filters = m_filters;
    for (auto& [id, f] : filters)
        if (f(msg))
            return true;
    send(msg.hwnd, msg.message, msg.wParam, msg.lParam);
    return true;
}

// --- timers ---

TimerId WindowSystem::setTimer(HWND hwnd, TimerId id, uint32_t ms, TimerProc proc)
{
    if (hwnd && !get(hwnd))
        return 0;
    return m_timers.set(hwnd, id, ms, std::move(proc), clock().nowUs());
}

bool WindowSystem::killTimer(HWND hwnd, TimerId id) { return m_timers.kill(hwnd, id); }

// --- drawing ---

gfx::Surface& WindowSystem::image(HWND hwnd)
{
    static gfx::Surface none;
    Window* w = get(hwnd);
    return w ? w->image : none;
}

void WindowSystem::setBlend(HWND hwnd, Blend blend, gfx::Color key)
{
    Window* w = get(hwnd);
    if (!w)
        return;
    w->blend = blend;
    w->colorKey = key & 0x00FFFFFFu;
    markDirty(hwnd);
}

void WindowSystem::imageChanged(HWND hwnd, std::optional<gfx::Rect> part)
{
    if (!isVisible(hwnd))
        return;
    gfx::Rect r = screenRect(hwnd);
    if (part)
        r = part->offset(r.left, r.top).intersect(r);
    invalidateScreen(r);
}

void WindowSystem::markDirty(HWND hwnd)
{
    if (isVisible(hwnd))
        invalidateScreen(screenRect(hwnd));
}

void WindowSystem::invalidateScreen(const gfx::Rect& r)
{
    gfx::Rect clipped = r.intersect(m_screen.rect());
    if (clipped.isEmpty())
        return;
    for (auto& d : m_dirty) {
        if (!d.intersect(clipped).isEmpty()) {
            d = d.unite(clipped);
            return;
        }
    }
    m_dirty.push_back(clipped);
    if (m_dirty.size() > 32) {
        gfx::Rect all;
        for (auto& d : m_dirty)
            all = all.unite(d);
        m_dirty = {all};
    }
}

void WindowSystem::setScreenSize(gfx::Size size)
{
    m_screen = gfx::Surface(size.width, size.height, 0xFF000000u);
    m_dirty = {m_screen.rect()};
}

void WindowSystem::setWindowTitle(HWND hwnd, std::string title)
{
    Window* w = get(hwnd);
    if (!w || w->title == title)
        return;
    w->title = std::move(title);
    if (w->visible && !w->parent)
        invalidateScreen(w->rect); // the next composition hands the title on
}

void WindowSystem::displayChanged(gfx::Size display)
{
    const LPARAM size = LPARAM((uint32_t(display.height & 0xFFFF) << 16) | uint32_t(display.width & 0xFFFF));
    for (HWND top : topLevels())
        send(top, WM_DISPLAYCHANGE, 32, size);
}

void WindowSystem::invalidate(HWND hwnd)
{
    if (Window* w = get(hwnd))
        w->needsPaint = true;
}

void WindowSystem::update(HWND hwnd)
{
    Window* w = get(hwnd);
    if (w && w->needsPaint) {
        send(hwnd, WM_PAINT, 0, 0);
        if ((w = get(hwnd)))
            w->needsPaint = false;
    }
}

bool WindowSystem::paintTree(HWND hwnd)
{
    Window* w = get(hwnd);
    if (!w || !w->visible)
        return false;
    bool painted = false;
    if (w->needsPaint) {
        update(hwnd);
        painted = true;
    }
    if ((w = get(hwnd))) {
        std::vector<HWND> kids = w->children;
        for (HWND c : kids)
            painted |= paintTree(c);
    }
    return painted;
}

void WindowSystem::paintPending()
{
    std::vector<HWND> tops = m_topLevels;
    for (HWND t : tops)
        paintTree(t);
}

} // namespace plat::win
