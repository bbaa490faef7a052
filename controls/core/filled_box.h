#pragma once
#include "platform/gfx/device_context.h"

namespace qel {

// A filled box from (x1, y1) to (x2, y2) in twips, both corners included, as the drawing
// surface's box-fill line draws it: the pixels from N(x1 / tx), N(y1 / ty) to N(x2 / tx), N(y2 / ty).
void FillBox(plat::gfx::DeviceContext& dc, double x1, double y1, double x2, double y2, plat::gfx::Color color);

} // namespace qel
