#pragma once
#include "platform/gfx/geometry.h"
#include "platform/gfx/region.h"

#include <algorithm>

namespace plat::gfx {

// The pixels a drawing call may touch, in the target surface's coordinates: a rectangle
// (normally the surface itself), narrowed further by a region when one is given.
class Clip {
public:
    explicit Clip(const Rect& bounds, const Region* region = nullptr)
        : m_bounds(region ? bounds.intersect(region->bounds()) : bounds)
        , m_region(region && !region->isEmpty() ? region : nullptr)
        , m_empty(m_bounds.isEmpty() || (region && region->isEmpty()))
    {
        if (m_empty)
            m_bounds = {};
    }

    Rect bounds() const { return m_bounds; }
    bool isEmpty() const { return m_empty; }
    const Region* region() const { return m_region; }

    bool contains(int x, int y) const
    {
        if (!m_bounds.contains(x, y))
            return false;
        return !m_region || m_region->contains(x, y);
    }

    // Calls f(y, left, right) for each run of pixels of `r` that lies inside the clip.
    template<typename F>
    void forEachSpan(const Rect& r, F&& f) const
    {
        Rect c = r.intersect(m_bounds);
        if (c.isEmpty())
            return;
        if (!m_region) {
            for (int y = c.top; y < c.bottom; ++y)
                f(y, c.left, c.right);
            return;
        }
        for (int y = c.top; y < c.bottom; ++y) {
            for (const auto& s : m_region->spansAt(y)) {
                if (s.right <= c.left)
                    continue;
                if (s.left >= c.right)
                    break;
                f(y, std::max(s.left, c.left), std::min(s.right, c.right));
            }
        }
    }

private:
    Rect m_bounds;
    const Region* m_region = nullptr;
    bool m_empty = false;
};

} // namespace plat::gfx
