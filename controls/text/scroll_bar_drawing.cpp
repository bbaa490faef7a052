#include "controls/text/scroll_bar_base.h"
#include "controls/core/filled_box.h"

namespace qel {

using plat::gfx::Color;

namespace {
constexpr Color kDisabledGlyph = 0x99A8AC;
} // namespace

void ScrollBarBase::Box(double a1, double b1, double a2, double b2, Color color)
{
    if (m_axis == ScrollAxis::Horizontal)
        FillBox(hDc(), a1, b1, a2, b2, color);
    else
        FillBox(hDc(), b1, a1, b2, a2, color);
}

void ScrollBarBase::Line(double a1, double b1, double a2, double b2, Color color)
{
    hDc().setForeColor(color & 0x00FFFFFFu);
    if (m_axis == ScrollAxis::Horizontal)
        hDc().line(N(a1 / Tx()), N(b1 / Ty()), N(a2 / Tx()), N(b2 / Ty()));
    else
        hDc().line(N(b1 / Tx()), N(a1 / Ty()), N(b2 / Tx()), N(a2 / Ty()));
}

void ScrollBarBase::Refresh()
{
    if (m_unRefreshControl)
        return;
    ClearSurface();
    const Color arrow = TranslateColor(m_arrowColor);
    const Color front = TranslateColor(m_frontColor);
    const Color back = TranslateColor(m_backColor);
    const Color border = TranslateColor(m_borderColor);
    const double W = Along(), H = Across();

    Box(0, 0, W, H, border);
    Box(15, 15, W - 30, H - 30, back);
    Box(15, 15, 255, H - 30, front);
    Box(W - 270, 15, W - 30, H - 30, front);
    Line(270, 0, 270, H, border);
    Line(W - 285, 0, W - 285, H, border);
    if (Enabled())
        DrawArrowLooks();
    DrawGlyphs(Enabled() ? arrow : kDisabledGlyph);

    if (Enabled()) {
        const double t = m_thumbPos, l = m_thumbLength;
        Box(t, 15, t + l, H - 30, border);
        Box(t + 15, 15, t + l - 15, H - 30, front);
        if (m_pageDirection == -1)
            Box(285, 15, t - 15, H - 30, m_largeChangeColor);
        else if (m_pageDirection == 1)
            Box(t + l + 15, 15, W - 300, H - 30, m_largeChangeColor);
    }
    ShowImage();
    m_imageCurrent = true;
}

void ScrollBarBase::DrawArrowLooks()
{
    const double W = Along(), H = Across();
    auto look = [&](ArrowState state, bool minEnd) {
        const Color hover = TranslateColor(m_mouseHoverColor);
        const Color down = TranslateColor(m_downColor);
        if (state == ArrowPressed) {
            if (minEnd)
                Box(15, 15, 255, H - 30, down);
            else
                Box(W - 270, 15, W - 30, H - 30, down);
        } else if (state == ArrowHover) {
            if (minEnd) {
                Line(15, 15, 15, H - 15, hover);
                Line(15, 15, 255, 15, hover);
                Line(255, 15, 255, H - 15, hover);
                Line(240, H - 30, 15, H - 30, hover);
            } else {
                Line(W - 30, 15, W - 30, H - 15, hover);
                Line(W - 30, 15, W - 270, 15, hover);
                Line(W - 270, 15, W - 270, H - 15, hover);
                Line(W - 270, H - 30, W - 30, H - 30, hover);
            }
        }
    };
    look(m_minArrowState, true);
    look(m_maxArrowState, false);
}

void ScrollBarBase::DrawGlyphs(Color color)
{
    const double W = Along();
    const double b = N((Across() - 255) / 2 + 15);
    // Four lines each, growing toward the middle of the button: triangles pointing to the ends.
    const double spans[4][2] = {{105, 120}, {90, 135}, {75, 150}, {60, 165}};
    for (int i = 0; i < 4; ++i) {
        const double minX = 90 + 15 * i;
        const double maxX = W - 105 - 15 * i;
        Line(minX, b + spans[i][0], minX, b + spans[i][1], color);
        Line(maxX, b + spans[i][0], maxX, b + spans[i][1], color);
    }
}

} // namespace qel
