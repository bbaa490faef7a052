#include "platform/gfx/surface.h"

#include <algorithm>

namespace plat::gfx {

Surface::Surface(int width, int height, uint32_t fill)
    : m_width(std::max(width, 0))
    , m_height(std::max(height, 0))
    , m_pixels(size_t(m_width) * size_t(m_height), fill)
{
    if (m_width == 0 || m_height == 0) {
        m_width = m_height = 0;
        m_pixels.clear();
    }
}

void Surface::fill(uint32_t value)
{
    std::fill(m_pixels.begin(), m_pixels.end(), value);
}

void Surface::fillRect(const Rect& r, uint32_t value)
{
    Rect c = r.intersect(rect());
    if (c.isEmpty())
        return;
    for (int y = c.top; y < c.bottom; ++y)
        std::fill(row(y) + c.left, row(y) + c.right, value);
}

void Surface::resize(int width, int height, uint32_t fill)
{
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == 0 || height == 0) {
        m_width = m_height = 0;
        m_pixels.clear();
        return;
    }
    if (width == m_width && height == m_height)
        return;
    std::vector<uint32_t> next(size_t(width) * size_t(height), fill);
    int keepW = std::min(width, m_width);
    int keepH = std::min(height, m_height);
    for (int y = 0; y < keepH; ++y)
        std::copy(row(y), row(y) + keepW, next.data() + size_t(y) * size_t(width));
    m_pixels = std::move(next);
    m_width = width;
    m_height = height;
}

} // namespace plat::gfx
