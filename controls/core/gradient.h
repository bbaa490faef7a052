#pragma once
#include "controls/core/mdl_declarations.h"
#include "platform/gfx/device_context.h"

namespace qel {

// The colour of step i of n from c1 to c2: each channel N(c1 + i × (c2 - c1) / n), rounded
// half to even, so step 0 is c1 and step n is c2. With n = 0 every step is c1.
plat::gfx::Color GradientStep(const RGBRecord& c1, const RGBRecord& c2, int i, int n);

// The gradient painters of the drawn controls. They draw one-pixel lines on `dc`, setting its
// foreground colour to each step; lengths named in twips are converted with the screen's twips
// per pixel, rounded half to even. Showing the image is the caller's (DrawnControl wraps them).

// Rows: n = N(height / ty); each row y from `first` to n, across the full width, in step y.
void PaintGradientRows(plat::gfx::DeviceContext& dc, const RGBRecord& c1, const RGBRecord& c2, int width, int height, int first);
// Columns: n = N(width / tx); each column x from 0 to n, from row `first` down to row
// N(height / ty), in step x.
void PaintGradientColumns(plat::gfx::DeviceContext& dc, const RGBRecord& c1, const RGBRecord& c2, int width, int height, int first);

// The text box's painters. Left to right: n = N(Width / tx) columns, each column from Start
// to n from row 0 to row N(Height / ty), in step x.
void DrawGradientLeftRight(plat::gfx::DeviceContext& dc, const RGBRecord& From, const RGBRecord& To, int Width, int Height, int Start);
// Top to bottom: n = N(Height / ty) rows, each row from Start to n from column 0 to column
// Right (pixels), in step y.
void DrawGradientTopBottom(plat::gfx::DeviceContext& dc, const RGBRecord& From, const RGBRecord& To, int Right, int Height, int Start);

} // namespace qel
