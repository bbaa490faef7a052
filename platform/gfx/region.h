#pragma once
#include "platform/gfx/geometry.h"
#include <vector>

namespace plat::gfx {

// An area of pixels kept as runs per row, in the coordinates of whoever owns it
// (a window region is relative to the window's top-left corner).
class Region {
public:
    struct Span {
        int left;  // inclusive
        int right; // exclusive
        bool operator==(const Span&) const = default;
    };

    Region() = default;
    static Region fromRect(const Rect& r);
    // The shape CreateRoundRectRgn(left, top, right, bottom, ellipseW, ellipseH) makes.
    static Region roundRect(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight);
    static Region ellipse(const Rect& r);

    enum class Combine { And, Or, Xor, Diff, Copy };
    static Region combine(const Region& a, const Region& b, Combine mode);

    bool isEmpty() const { return m_rows.empty(); }
    Rect bounds() const { return m_bounds; }
    bool contains(int x, int y) const;
    Region offset(int dx, int dy) const;
    Region intersect(const Rect& r) const;
    // Runs of row y (empty when the row is outside).
    const std::vector<Span>& spansAt(int y) const;
    bool operator==(const Region&) const = default;

private:
    void normalize();

    Rect m_bounds;                       // tight bounds; m_rows[i] is row m_bounds.top + i
    std::vector<std::vector<Span>> m_rows;
};

} // namespace plat::gfx
