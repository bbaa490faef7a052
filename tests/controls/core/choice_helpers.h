#pragma once
#include "controls/core/choice_glyphs.h"
#include "platform/gfx/surface.h"
#include "platform/window/api.h"
#include "platform/window/twips.h"
#include <utility>

namespace qel::testing {

// The glyph cell that a picture shows for a check box or option button lying at `where` in it: the
// cell of `glyphs` whose 13 × 13 pixels stand unchanged at its left edge, vertically centred; -1
// for none.
inline int shownCell(const plat::gfx::Surface& picture, const plat::gfx::Rect& where, const plat::gfx::Surface& glyphs)
{
    const int y0 = where.top + int(plat::win::roundHalfEven((where.height() - kGlyphSize) / 2.0));
    for (int cell = 0; cell < kGlyphCells; ++cell) {
        bool same = true;
        for (int y = 0; y < kGlyphSize && same; ++y)
            for (int x = 0; x < kGlyphSize && same; ++x)
                same = picture.colorAt(where.left + x, y0 + y) == glyphs.colorAt(cell * kGlyphSize + x, y);
        if (same)
            return cell;
    }
    return -1;
}

// The glyph cell a check box or option button shows in its window's image.
inline int shownCell(plat::win::HWND h, const plat::gfx::Surface& glyphs)
{
    const plat::gfx::Surface& image = plat::win::WindowImage(h);
    return shownCell(image, image.rect(), glyphs);
}

// The columns of a window's image where some pixel of rows [top, bottom) is not `background`:
// the left and right ends of what is drawn there ({-1, -1} when nothing is).
inline std::pair<int, int> drawnColumns(plat::win::HWND h, int left, int top, int bottom, plat::gfx::Color background)
{
    const plat::gfx::Surface& image = plat::win::WindowImage(h);
    int first = -1, last = -1;
    for (int x = left; x < image.width(); ++x)
        for (int y = top; y < bottom; ++y)
            if (image.colorAt(x, y) != background) {
                if (first < 0)
                    first = x;
                last = x;
                break;
            }
    return {first, last};
}

} // namespace qel::testing
