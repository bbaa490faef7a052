#include "platform/gfx/text_render.h"

#include "platform/gfx/blit.h"

#include <algorithm>

namespace plat::gfx {

namespace {

// Maps the level text's own pixel grid (u along the text, v down the cell) onto the surface.
struct Placement {
    Point at;
    int turns = 0;

    Rect toDevice(const Rect& local) const
    {
        const int x = at.x, y = at.y;
        switch (turns) {
        case 1:
            return {x + local.top, y - local.right, x + local.bottom, y - local.left};
        case 2:
            return {x - local.right, y - local.bottom, x - local.left, y - local.top};
        case 3:
            return {x - local.bottom, y + local.left, x - local.top, y + local.right};
        default:
            return local.offset(x, y);
        }
    }

    Point toLocal(int X, int Y) const
    {
        const int x = at.x, y = at.y;
        switch (turns) {
        case 1:
            return {y - 1 - Y, X - x};
        case 2:
            return {x - 1 - X, y - 1 - Y};
        case 3:
            return {Y - y, x - 1 - X};
        default:
            return {X - x, Y - y};
        }
    }
};

void fillLocal(Surface& s, const Clip& clip, const Placement& p, const Rect& local, Color color)
{
    if (local.isEmpty())
        return;
    const uint32_t value = opaque(color);
    clip.forEachSpan(p.toDevice(local).intersect(s.rect()),
        [&](int y, int x0, int x1) { std::fill(s.row(y) + x0, s.row(y) + x1, value); });
}

void drawGlyph(Surface& s, const Clip& clip, const Placement& p, const Glyph& g, int penU, int baselineV, Color color)
{
    if (g.width <= 0 || g.height <= 0)
        return;
    const Rect local = Rect::fromSize(penU + g.left, baselineV - g.top, g.width, g.height);
    const Rect device = p.toDevice(local).intersect(s.rect());
    const uint32_t ink = color & 0x00FFFFFFu;
    if (p.turns == 0) {
        clip.forEachSpan(device, [&](int y, int x0, int x1) {
            const uint8_t* cov = g.coverage.data() + size_t(y - local.top - p.at.y) * size_t(g.width)
                - (local.left + p.at.x);
            uint32_t* d = s.row(y);
            for (int x = x0; x < x1; ++x) {
                unsigned a = cov[x];
                if (a == 255)
                    d[x] = ink | 0xFF000000u;
                else if (a)
                    d[x] = blendPixel(d[x], ink, a);
            }
        });
        return;
    }
    clip.forEachSpan(device, [&](int y, int x0, int x1) {
        uint32_t* d = s.row(y);
        for (int x = x0; x < x1; ++x) {
            Point l = p.toLocal(x, y);
            unsigned a = g.coverage[size_t(l.y - local.top) * size_t(g.width) + size_t(l.x - local.left)];
            if (a)
                d[x] = blendPixel(d[x], ink, a);
        }
    });
}

} // namespace

int quarterTurns(int escapement)
{
    int e = ((escapement % 3600) + 3600) % 3600;
    return ((e + 450) / 900) % 4;
}

Rect textLineRect(const Font& font, Point at, int width)
{
    Placement p{at, quarterTurns(font.escapement())};
    return p.toDevice({0, 0, width, font.metrics().height});
}

int drawTextLine(Surface& s, const Clip& clip, const Font& font, Point at, std::u32string_view text,
    const TextLineStyle& style)
{
    if (!font.face())
        return 0;
    const FontMetrics& m = font.metrics();
    const Placement p{at, quarterTurns(font.escapement())};
    const int width = font.width(text);
    if (style.background)
        fillLocal(s, clip, p, {0, 0, width, m.height}, *style.background);

    const int baseline = m.ascent; // the first row under the ink
    int pen = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c < 0x20)
            continue;
        const Glyph& g = font.face()->glyph(c);
        drawGlyph(s, clip, p, g, pen, baseline, style.color);
        if (style.mnemonics && i < style.mnemonics->size() && (*style.mnemonics)[i])
            fillLocal(s, clip, p,
                Rect::fromSize(pen, baseline + m.underlinePosition, g.advance, m.underlineThickness), style.color);
        pen += g.advance;
    }
    if (font.underline())
        fillLocal(s, clip, p, Rect::fromSize(0, baseline + m.underlinePosition, width, m.underlineThickness), style.color);
    if (font.strikeout())
        fillLocal(s, clip, p, Rect::fromSize(0, baseline - m.strikeoutPosition, width, m.strikeoutThickness), style.color);
    return width;
}

} // namespace plat::gfx
