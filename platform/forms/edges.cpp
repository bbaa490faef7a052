#include "platform/forms/edges.h"
#include "platform/gfx/system_colors.h"

namespace plat::forms {

using gfx::systemColor;

static void hLine(gfx::DeviceContext& dc, int x1, int x2, int y, gfx::Color c) { dc.fillRect({x1, y, x2, y + 1}, c); }
static void vLine(gfx::DeviceContext& dc, int x, int y1, int y2, gfx::Color c) { dc.fillRect({x, y1, x + 1, y2}, c); }

// Two rings: the outer one in `outerTopLeft` / `outerBottomRight`, the inner one in the others.
static gfx::Rect twoRings(gfx::DeviceContext& dc, const gfx::Rect& r, gfx::Color outerTopLeft, gfx::Color outerBottomRight,
    gfx::Color innerTopLeft, gfx::Color innerBottomRight)
{
    if (r.width() < 4 || r.height() < 4)
        return {};
    hLine(dc, r.left, r.right - 1, r.top, outerTopLeft);
    vLine(dc, r.left, r.top, r.bottom - 1, outerTopLeft);
    hLine(dc, r.left, r.right, r.bottom - 1, outerBottomRight);
    vLine(dc, r.right - 1, r.top, r.bottom, outerBottomRight);
    hLine(dc, r.left + 1, r.right - 2, r.top + 1, innerTopLeft);
    vLine(dc, r.left + 1, r.top + 1, r.bottom - 2, innerTopLeft);
    hLine(dc, r.left + 1, r.right - 1, r.bottom - 2, innerBottomRight);
    vLine(dc, r.right - 2, r.top + 1, r.bottom - 1, innerBottomRight);
    return {r.left + 2, r.top + 2, r.right - 2, r.bottom - 2};
}

gfx::Rect drawSunkenEdge(gfx::DeviceContext& dc, const gfx::Rect& r)
{
    return twoRings(dc, r, systemColor(gfx::ColorBtnShadow), systemColor(gfx::ColorBtnHighlight), systemColor(gfx::Color3DDkShadow),
        systemColor(gfx::Color3DLight));
}

gfx::Rect drawRaisedEdge(gfx::DeviceContext& dc, const gfx::Rect& r)
{
    return twoRings(dc, r, systemColor(gfx::Color3DLight), systemColor(gfx::Color3DDkShadow), systemColor(gfx::ColorBtnHighlight),
        systemColor(gfx::ColorBtnShadow));
}

gfx::Rect drawFlatEdge(gfx::DeviceContext& dc, const gfx::Rect& r)
{
    if (r.width() < 2 || r.height() < 2)
        return {};
    dc.frameRect(r, systemColor(gfx::ColorWindowFrame));
    return {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
}

void drawArrow(gfx::DeviceContext& dc, const gfx::Rect& r, ArrowDirection direction, gfx::Color color)
{
    // A triangle of four rows (7, 5, 3, 1 pixels), smaller when the room is short.
    int size = std::max(1, std::min(4, std::min(r.width(), r.height()) / 3));
    int cx = r.left + r.width() / 2;
    int cy = r.top + r.height() / 2;
    for (int i = 0; i < size; ++i) {
        int half = size - 1 - i;
        switch (direction) {
        case ArrowDirection::Down:
            hLine(dc, cx - half, cx + half + 1, cy - size / 2 + i, color);
            break;
        case ArrowDirection::Up:
            hLine(dc, cx - half, cx + half + 1, cy + (size - 1) / 2 - i, color);
            break;
        case ArrowDirection::Right:
            vLine(dc, cx - size / 2 + i, cy - half, cy + half + 1, color);
            break;
        case ArrowDirection::Left:
            vLine(dc, cx + (size - 1) / 2 - i, cy - half, cy + half + 1, color);
            break;
        }
    }
}

} // namespace plat::forms
