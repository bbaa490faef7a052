#include "platform/gfx/draw.h"

#include <algorithm>
#include <cstdlib>

namespace plat::gfx {

void fillRect(Surface& s, const Rect& r, uint32_t value, const Clip& clip)
{
    clip.forEachSpan(r.intersect(s.rect()), [&](int y, int x0, int x1) { std::fill(s.row(y) + x0, s.row(y) + x1, value); });
}

void fillRegion(Surface& s, const Region& region, uint32_t value, const Clip& clip)
{
    Rect area = region.bounds().intersect(s.rect()).intersect(clip.bounds());
    for (int y = area.top; y < area.bottom; ++y) {
        for (const auto& span : region.spansAt(y)) {
            Rect piece{std::max(span.left, area.left), y, std::min(span.right, area.right), y + 1};
            if (!piece.isEmpty())
                fillRect(s, piece, value, clip);
        }
    }
}

void drawLine(Surface& s, Point from, Point to, uint32_t value, const Clip& clip)
{
    const int dx = std::abs(to.x - from.x);
    const int dy = std::abs(to.y - from.y);
    const int sx = to.x > from.x ? 1 : -1;
    const int sy = to.y > from.y ? 1 : -1;
    const Rect area = s.rect().intersect(clip.bounds());
    if (dy == 0 && dx > 0) { // horizontal runs are common (gradients): fill them as spans
        int x0 = sx > 0 ? from.x : to.x + 1;
        int x1 = sx > 0 ? to.x : from.x + 1;
        fillRect(s, {x0, from.y, x1, from.y + 1}, value, clip);
        return;
    }
    if (dx == 0 && dy > 0) {
        int y0 = sy > 0 ? from.y : to.y + 1;
        int y1 = sy > 0 ? to.y : from.y + 1;
        fillRect(s, {from.x, y0, from.x + 1, y1}, value, clip);
        return;
    }
    // Bresenham over the major axis; `steps` pixels, the end point excluded.
    const int steps = std::max(dx, dy);
    int x = from.x, y = from.y;
    int err = (dx > dy ? dx : -dy) / 2;
    for (int i = 0; i < steps; ++i) {
        if (area.contains(x, y) && clip.contains(x, y))
            s.setPixel(x, y, value);
        int e = err;
        if (e > -dx) {
            err -= dy;
            x += sx;
        }
        if (e < dy) {
            err += dx;
            y += sy;
        }
    }
}

void frameRect(Surface& s, const Rect& r, uint32_t value, const Clip& clip)
{
    if (r.isEmpty())
        return;
    fillRect(s, {r.left, r.top, r.right, r.top + 1}, value, clip);
    if (r.height() > 1)
        fillRect(s, {r.left, r.bottom - 1, r.right, r.bottom}, value, clip);
    if (r.height() > 2) {
        fillRect(s, {r.left, r.top + 1, r.left + 1, r.bottom - 1}, value, clip);
        if (r.width() > 1)
            fillRect(s, {r.right - 1, r.top + 1, r.right, r.bottom - 1}, value, clip);
    }
}

Region regionFrame(const Region& region, int width, int height)
{
    if (region.isEmpty())
        return {};
    width = std::max(width, 0);
    height = std::max(height, 0);
    // The inside is what survives shifting the region by the frame width in each direction.
    Region inside = region;
    const Point shifts[] = {{width, 0}, {-width, 0}, {0, height}, {0, -height}};
    for (const Point& d : shifts)
        if (d.x != 0 || d.y != 0)
            inside = Region::combine(inside, region.offset(d.x, d.y), Region::Combine::And);
    return Region::combine(region, inside, Region::Combine::Diff);
}

void frameRegion(Surface& s, const Region& region, uint32_t value, int width, int height, const Clip& clip)
{
    fillRegion(s, regionFrame(region, width, height), value, clip);
}

void invertRect(Surface& s, const Rect& r, const Clip& clip)
{
    clip.forEachSpan(r.intersect(s.rect()), [&](int y, int x0, int x1) {
        uint32_t* p = s.row(y);
        for (int x = x0; x < x1; ++x)
            p[x] ^= 0x00FFFFFFu;
    });
}

void drawFocusRect(Surface& s, const Rect& r, const Clip& clip)
{
    if (r.isEmpty())
        return;
    const Rect area = s.rect().intersect(clip.bounds());
    auto dot = [&](int x, int y) {
        if (((x + y) & 1) == 0 && area.contains(x, y) && clip.contains(x, y))
            s.row(y)[x] ^= 0x00FFFFFFu;
    };
    // Each outline pixel exactly once, so that a second call undoes the first.
    for (int x = r.left; x < r.right; ++x) {
        dot(x, r.top);
        if (r.bottom - 1 > r.top)
            dot(x, r.bottom - 1);
    }
    for (int y = r.top + 1; y < r.bottom - 1; ++y) {
        dot(r.left, y);
        if (r.right - 1 > r.left)
            dot(r.right - 1, y);
    }
}

} // namespace plat::gfx
