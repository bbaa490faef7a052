#pragma once
#include "platform/gfx/geometry.h"
#include "platform/gfx/surface.h"

#include <cstdint>
#include <vector>

namespace plat::backend {

// The logical screen scaled to a window as large as fits, keeping its aspect, centred with
// bars around it. Pixels are sampled nearest, so a part of the screen maps to the same window
// pixels whether it is drawn alone or with the whole screen.
class Letterbox {
public:
    Letterbox(gfx::Size logical, gfx::Size window);

    // Where the scaled screen lies in the window.
    const gfx::Rect& viewport() const { return m_viewport; }
    bool isIdentity() const;
    // The window pixels whose source lies in `logicalRect` (clipped to the screen).
    gfx::Rect toWindow(const gfx::Rect& logicalRect) const;
    // The screen pixel under a window pixel; outside the viewport it lies off the screen.
    gfx::Point toLogical(gfx::Point windowPoint) const;
    // Scales the screen's pixels under `windowRect` (a result of toWindow) into `out`, row by
    // row, `windowRect.width()` pixels a row.
    void scale(const gfx::Surface& screen, const gfx::Rect& windowRect, std::vector<uint32_t>& out) const;

private:
    int sourceX(int windowX) const;
    int sourceY(int windowY) const;

    gfx::Size m_logical;
    gfx::Rect m_viewport;
};

} // namespace plat::backend
