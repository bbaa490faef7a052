#include "platform/backend/letterbox.h"

#include <algorithm>

namespace plat::backend {

namespace {

int64_t floorDiv(int64_t a, int64_t b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }
int64_t ceilDiv(int64_t a, int64_t b) { return -floorDiv(-a, b); }

} // namespace

Letterbox::Letterbox(gfx::Size logical, gfx::Size window)
    : m_logical(logical)
{
    if (logical.width <= 0 || logical.height <= 0 || window.width <= 0 || window.height <= 0) {
        m_viewport = {};
        return;
    }
    // The smaller of the two ratios, in integers: width-bound when W/w <= H/h.
    int width = window.width, height = window.height;
    if (int64_t(window.width) * logical.height <= int64_t(window.height) * logical.width)
        height = int(std::max<int64_t>(1, int64_t(window.width) * logical.height / logical.width));
    else
        width = int(std::max<int64_t>(1, int64_t(window.height) * logical.width / logical.height));
    int left = (window.width - width) / 2, top = (window.height - height) / 2;
    m_viewport = gfx::Rect::fromSize(left, top, width, height);
}

bool Letterbox::isIdentity() const
{
    return m_viewport.left == 0 && m_viewport.top == 0 && m_viewport.width() == m_logical.width
        && m_viewport.height() == m_logical.height;
}

gfx::Rect Letterbox::toWindow(const gfx::Rect& logicalRect) const
{
    gfx::Rect r = logicalRect.intersect({ 0, 0, m_logical.width, m_logical.height });
    if (r.isEmpty() || m_viewport.isEmpty())
        return {};
    const int64_t w = m_viewport.width(), h = m_viewport.height();
    // Window pixel x shows source floor(x * logical / viewport); these are the x whose source
    // lies in [left, right).
    return { m_viewport.left + int(ceilDiv(r.left * w, m_logical.width)),
        m_viewport.top + int(ceilDiv(r.top * h, m_logical.height)),
        m_viewport.left + int(ceilDiv(r.right * w, m_logical.width)),
        m_viewport.top + int(ceilDiv(r.bottom * h, m_logical.height)) };
}

int Letterbox::sourceX(int windowX) const
{
    return int(floorDiv(int64_t(windowX - m_viewport.left) * m_logical.width, std::max(1, m_viewport.width())));
}

int Letterbox::sourceY(int windowY) const
{
    return int(floorDiv(int64_t(windowY - m_viewport.top) * m_logical.height, std::max(1, m_viewport.height())));
}

gfx::Point Letterbox::toLogical(gfx::Point windowPoint) const { return { sourceX(windowPoint.x), sourceY(windowPoint.y) }; }

void Letterbox::scale(const gfx::Surface& screen, const gfx::Rect& windowRect, std::vector<uint32_t>& out) const
{
    const int width = windowRect.width(), height = windowRect.height();
    out.resize(size_t(std::max(0, width)) * size_t(std::max(0, height)));
    if (width <= 0 || height <= 0)
        return;
    std::vector<int> columns(static_cast<size_t>(width));
    for (int x = 0; x < width; ++x)
        columns[size_t(x)] = std::clamp(sourceX(windowRect.left + x), 0, screen.width() - 1);
    for (int y = 0; y < height; ++y) {
        const uint32_t* src = screen.row(std::clamp(sourceY(windowRect.top + y), 0, screen.height() - 1));
        uint32_t* dst = out.data() + size_t(y) * size_t(width);
        for (int x = 0; x < width; ++x)
            dst[x] = src[columns[size_t(x)]];
    }
}

} // namespace plat::backend
