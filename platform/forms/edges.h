#pragma once
#include "platform/gfx/device_context.h"

namespace plat::forms {

// The 3D edges of plain Windows controls, two pixels deep.

// The sunken edge of an input field (text box, list box, combo box, list view); returns the
// rectangle inside it.
gfx::Rect drawSunkenEdge(gfx::DeviceContext& dc, const gfx::Rect& r);
// The raised edge of a push button, scroll-bar arrow or thumb; returns the rectangle inside it.
gfx::Rect drawRaisedEdge(gfx::DeviceContext& dc, const gfx::Rect& r);
// The one-pixel frame of a flat field (Appearance 0).
gfx::Rect drawFlatEdge(gfx::DeviceContext& dc, const gfx::Rect& r);
// A small filled triangle pointing up, down, left or right, centred in `r` (arrows of scroll bars
// and of the combo box's button).
enum class ArrowDirection { Up, Down, Left, Right };
void drawArrow(gfx::DeviceContext& dc, const gfx::Rect& r, ArrowDirection direction, gfx::Color color);

} // namespace plat::forms
