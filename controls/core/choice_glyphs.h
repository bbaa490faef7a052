#pragma once
#include "platform/gfx/surface.h"

namespace qel {

// The glyph pictures of the check box and the option button: 78 × 13 pixels, six 13 × 13 cells
// side by side, cell k at x = 13 × k. They are drawn in code, once, the first time they are asked for.
constexpr int kGlyphSize = 13;
constexpr int kGlyphCells = 6;

enum GlyphCell : int {
    GlyphClear = 0,
    GlyphClearHover = 1,
    GlyphClearDisabled = 2,
    GlyphTicked = 3,
    GlyphTickedHover = 4,
    GlyphTickedDisabled = 5,
};

// The cell for a state: disabled shows 5 for any value but 0; otherwise 0 and 1 pick the clear
// and ticked cells (with or without the mouse over the control) and any other value shows 5.
int GlyphCellFor(bool enabled, bool mouseInside, int value);

// A square box with a tick.
const plat::gfx::Surface& CheckBoxGlyphs();
// A round button with a dot; white outside the circle.
const plat::gfx::Surface& OptionButtonGlyphs();

} // namespace qel
