#include "platform/gfx/region.h"

#include <algorithm>
#include <cstdint>

namespace plat::gfx {

namespace {

using Spans = std::vector<Region::Span>;

// Sorts spans and merges those that overlap or touch.
void mergeSpans(Spans& spans)
{
    spans.erase(std::remove_if(spans.begin(), spans.end(), [](const Region::Span& s) { return s.right <= s.left; }),
        spans.end());
    if (spans.size() < 2)
        return;
    std::sort(spans.begin(), spans.end(), [](const Region::Span& a, const Region::Span& b) { return a.left < b.left; });
    size_t out = 0;
    for (size_t i = 1; i < spans.size(); ++i) {
        if (spans[i].left <= spans[out].right)
            spans[out].right = std::max(spans[out].right, spans[i].right);
        else
            spans[++out] = spans[i];
    }
    spans.resize(out + 1);
}

bool keep(Region::Combine mode, bool inA, bool inB)
{
    switch (mode) {
    case Region::Combine::And:
        return inA && inB;
    case Region::Combine::Or:
        return inA || inB;
    case Region::Combine::Xor:
        return inA != inB;
    case Region::Combine::Diff:
        return inA && !inB;
    case Region::Combine::Copy:
        return inA;
    }
    return false;
}

// Applies a boolean operation to two sorted, disjoint span lists by sweeping their edges.
Spans combineSpans(const Spans& a, const Spans& b, Region::Combine mode)
{
    std::vector<int> edges;
    edges.reserve((a.size() + b.size()) * 2);
    for (const auto& s : a) {
        edges.push_back(s.left);
        edges.push_back(s.right);
    }
    for (const auto& s : b) {
        edges.push_back(s.left);
        edges.push_back(s.right);
    }
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());

    Spans out;
    size_t ia = 0, ib = 0;
    for (size_t i = 0; i + 1 < edges.size(); ++i) {
        int x = edges[i];
        while (ia < a.size() && a[ia].right <= x)
            ++ia;
        while (ib < b.size() && b[ib].right <= x)
            ++ib;
        bool inA = ia < a.size() && a[ia].left <= x;
        bool inB = ib < b.size() && b[ib].left <= x;
        if (!keep(mode, inA, inB))
            continue;
        if (!out.empty() && out.back().right == x)
            out.back().right = edges[i + 1];
        else
            out.push_back({x, edges[i + 1]});
    }
    return out;
}

const Spans& emptySpans()
{
    static const Spans none;
    return none;
}

} // namespace

Region Region::fromRect(const Rect& r)
{
    Region region;
    if (r.isEmpty())
        return region;
    region.m_bounds = r;
    region.m_rows.assign(size_t(r.height()), Spans{{r.left, r.right}});
    return region;
}

Region Region::roundRect(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight)
{
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
    const int w = right - left;
    const int h = bottom - top;
    if (w <= 0 || h <= 0)
        return {};
    const int64_t ew = std::clamp(std::abs(ellipseWidth), 0, w);
    const int64_t eh = std::clamp(std::abs(ellipseHeight), 0, h);
    if (ew < 2 || eh < 2)
        return fromRect({left, top, right, bottom});

    // A pixel of a corner belongs to the region when its centre lies inside the corner's ellipse
    // (ew wide, eh high, touching the rectangle's edges). Doubled coordinates keep the test exact:
    // with X = 2x + 1 - ew and Y = 2y + 1 - eh relative to the corner, inside means
    // X² eh² + Y² ew² <= ew² eh².
    Region region;
    region.m_bounds = {left, top, right, bottom};
    region.m_rows.resize(size_t(h));
    const int64_t limit = ew * ew * eh * eh;
    for (int i = 0; i < h; ++i) {
        const int64_t j = std::min(i, h - 1 - i); // distance from the nearer edge
        int inset = 0;
        if (2 * j + 1 < eh) {
            const int64_t dy = 2 * j + 1 - eh;
            const int64_t rest = limit - dy * dy * ew * ew;
            inset = int(ew / 2);
            for (int64_t k = 0; k < ew / 2; ++k) {
                const int64_t dx = 2 * k + 1 - ew;
                if (dx * dx * eh * eh <= rest) {
                    inset = int(k);
                    break;
                }
            }
        }
        region.m_rows[size_t(i)] = Spans{{left + inset, right - inset}};
    }
    region.normalize();
    return region;
}

Region Region::ellipse(const Rect& r)
{
    return roundRect(r.left, r.top, r.right, r.bottom, r.width(), r.height());
}

Region Region::combine(const Region& a, const Region& b, Combine mode)
{
    if (mode == Combine::Copy)
        return a;
    Region out;
    if (a.isEmpty() && b.isEmpty())
        return out;
    const Rect span = a.m_bounds.unite(b.m_bounds);
    out.m_bounds = span;
    out.m_rows.resize(size_t(span.height()));
    for (int y = span.top; y < span.bottom; ++y)
        out.m_rows[size_t(y - span.top)] = combineSpans(a.spansAt(y), b.spansAt(y), mode);
    out.normalize();
    return out;
}

bool Region::contains(int x, int y) const
{
    if (!m_bounds.contains(x, y))
        return false;
    for (const auto& s : m_rows[size_t(y - m_bounds.top)]) {
        if (x < s.left)
            return false;
        if (x < s.right)
            return true;
    }
    return false;
}

Region Region::offset(int dx, int dy) const
{
    Region out = *this;
    out.m_bounds = m_bounds.offset(dx, dy);
    for (auto& spans : out.m_rows)
        for (auto& s : spans) {
            s.left += dx;
            s.right += dx;
        }
    return out;
}

Region Region::intersect(const Rect& r) const
{
    Rect c = m_bounds.intersect(r);
    Region out;
    if (isEmpty() || c.isEmpty())
        return out;
    out.m_bounds = c;
    out.m_rows.resize(size_t(c.height()));
    for (int y = c.top; y < c.bottom; ++y) {
        Spans& dst = out.m_rows[size_t(y - c.top)];
        for (const auto& s : spansAt(y)) {
            Span clipped{std::max(s.left, r.left), std::min(s.right, r.right)};
            if (clipped.left < clipped.right)
                dst.push_back(clipped);
        }
    }
    out.normalize();
    return out;
}

const std::vector<Region::Span>& Region::spansAt(int y) const
{
    if (isEmpty() || y < m_bounds.top || y >= m_bounds.bottom)
        return emptySpans();
    return m_rows[size_t(y - m_bounds.top)];
}

void Region::normalize()
{
    for (auto& spans : m_rows)
        mergeSpans(spans);
    size_t first = 0;
    while (first < m_rows.size() && m_rows[first].empty())
        ++first;
    size_t last = m_rows.size();
    while (last > first && m_rows[last - 1].empty())
        --last;
    if (first == last) {
        m_rows.clear();
        m_bounds = {};
        return;
    }
    int top = m_bounds.top + int(first);
    m_rows.erase(m_rows.begin() + long(last), m_rows.end());
    m_rows.erase(m_rows.begin(), m_rows.begin() + long(first));
    int minX = m_rows.front().front().left;
    int maxX = m_rows.front().back().right;
    for (const auto& spans : m_rows) {
        if (spans.empty())
            continue;
        minX = std::min(minX, spans.front().left);
        maxX = std::max(maxX, spans.back().right);
    }
    m_bounds = {minX, top, maxX, top + int(m_rows.size())};
}

} // namespace plat::gfx
