#pragma once
#include "platform/gfx/geometry.h"
#include "platform/gfx/surface.h"

#include <algorithm>

namespace test_support {

// The bounding box of every pixel of `screen` that is not the screen's black background.
inline plat::gfx::Rect drawnArea(const plat::gfx::Surface& screen)
{
    plat::gfx::Rect area { screen.width(), screen.height(), 0, 0 };
    for (int y = 0; y < screen.height(); ++y)
        for (int x = 0; x < screen.width(); ++x)
            if (screen.colorAt(x, y) != 0) {
                area.left = std::min(area.left, x);
                area.top = std::min(area.top, y);
                area.right = std::max(area.right, x + 1);
                area.bottom = std::max(area.bottom, y + 1);
            }
    return area;
}

} // namespace test_support
