#pragma once
#include "platform/gfx/clip.h"
#include "platform/gfx/region.h"
#include "platform/gfx/surface.h"

namespace plat::gfx {

// Primitive pixel operations on a surface. Coordinates are the surface's own; every call is
// limited to `clip` (which callers normally build from the surface rectangle).

void fillRect(Surface& s, const Rect& r, uint32_t value, const Clip& clip);
void fillRegion(Surface& s, const Region& region, uint32_t value, const Clip& clip);

// A one-pixel line from `from` towards `to`; the pixel at `to` itself is not drawn.
void drawLine(Surface& s, Point from, Point to, uint32_t value, const Clip& clip);

// The outline of `r` (its outermost pixels) in a one-pixel width.
void frameRect(Surface& s, const Rect& r, uint32_t value, const Clip& clip);

// The border of a region: every pixel of it that lies within `width` pixels horizontally or
// `height` pixels vertically of a pixel outside it.
Region regionFrame(const Region& region, int width, int height);
void frameRegion(Surface& s, const Region& region, uint32_t value, int width, int height, const Clip& clip);

// Inverts the colour of the pixels (alpha is kept).
void invertRect(Surface& s, const Rect& r, const Clip& clip);

// The dotted focus frame: every other pixel of the outline of `r` inverted, the pattern fixed to
// the surface's pixel grid, so drawing it twice restores the pixels.
void drawFocusRect(Surface& s, const Rect& r, const Clip& clip);

} // namespace plat::gfx
