// Draws the persistent images of the visible windows into the screen surface, back to
// front, clipped to their parents and regions, only where something changed.
#include "platform/window/window_system.h"

namespace plat::win {

namespace {

void blitRow(const Window& w, uint32_t* dst, const uint32_t* src, int count)
{
    switch (w.blend) {
    case Blend::Opaque:
        for (int i = 0; i < count; ++i)
            dst[i] = src[i] | 0xFF000000u;
        break;
    case Blend::ColorKey:
        for (int i = 0; i < count; ++i)
            if ((src[i] & 0x00FFFFFFu) != w.colorKey)
                dst[i] = src[i] | 0xFF000000u;
        break;
    case Blend::Alpha:
        for (int i = 0; i < count; ++i) {
            uint32_t s = src[i];
            uint32_t a = s >> 24;
            if (a == 255) {
                dst[i] = s;
            } else if (a != 0) {
                uint32_t d = dst[i];
                uint32_t r = ((s & 0xFF) * a + (d & 0xFF) * (255 - a)) / 255;
                uint32_t g = (((s >> 8) & 0xFF) * a + ((d >> 8) & 0xFF) * (255 - a)) / 255;
                uint32_t b = (((s >> 16) & 0xFF) * a + ((d >> 16) & 0xFF) * (255 - a)) / 255;
                dst[i] = 0xFF000000u | r | (g << 8) | (b << 16);
            }
        }
        break;
    case Blend::None:
        break;
    }
}

struct Composer {
    const WindowSystem& ws;
    gfx::Surface& screen;

    void draw(HWND hwnd, gfx::Point parentOrigin, const gfx::Region& parentClip)
    {
        const Window* w = ws.get(hwnd);
        if (!w || !w->visible)
            return;
        gfx::Point origin{parentOrigin.x + w->rect.left, parentOrigin.y + w->rect.top};
        gfx::Rect r = gfx::Rect::fromSize(origin.x, origin.y, w->rect.width(), w->rect.height());
        gfx::Region clip = parentClip.intersect(r);
        if (w->region)
            clip = gfx::Region::combine(clip, w->region->offset(origin.x, origin.y), gfx::Region::Combine::And);
        if (clip.isEmpty())
            return;
        if (w->blend != Blend::None && !w->image.isEmpty()) {
            gfx::Rect b = clip.bounds();
            for (int y = b.top; y < b.bottom; ++y) {
                int sy = y - origin.y;
                if (sy < 0 || sy >= w->image.height())
                    continue;
                for (const auto& span : clip.spansAt(y)) {
                    int x0 = std::max(span.left, origin.x);
                    int x1 = std::min(span.right, origin.x + w->image.width());
                    if (x1 > x0)
                        blitRow(*w, screen.row(y) + x0, w->image.row(sy) + (x0 - origin.x), x1 - x0);
                }
            }
        }
        for (HWND c : w->children)
            draw(c, origin, clip);
    }
};

} // namespace

void WindowSystem::compose()
{
    if (m_dirty.empty())
        return;
    std::vector<gfx::Rect> dirty;
    dirty.swap(m_dirty);
    Composer composer{*this, m_screen};
    for (const auto& d : dirty) {
        m_screen.fillRect(d, 0xFF000000u);
        gfx::Region clip = gfx::Region::fromRect(d);
        for (HWND t : m_topLevels)
            composer.draw(t, {0, 0}, clip);
    }
    bool anyShown = false;
    const std::string* title = nullptr;
    for (HWND t : m_topLevels) {
        const bool shown = isVisible(t);
        anyShown = anyShown || shown;
        if (const Window* w = get(t); shown && w && !w->title.empty())
            title = &w->title;
    }
    if (title && *title != m_shownTitle) {
        m_shownTitle = *title;
        m_backend.setTitle(m_shownTitle);
    }
    m_backend.setShown(anyShown);
    m_backend.present(m_screen, dirty);
}

} // namespace plat::win
