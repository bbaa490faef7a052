#include "controls/core/filled_box.h"
#include "platform/window/twips.h"
#include <algorithm>

namespace qel {

using plat::win::roundHalfEven;

void FillBox(plat::gfx::DeviceContext& dc, double x1, double y1, double x2, double y2, plat::gfx::Color color)
{
    const int tx = plat::win::TwipsPerPixelX();
    const int ty = plat::win::TwipsPerPixelY();
    const int l = int(roundHalfEven(x1 / tx)), t = int(roundHalfEven(y1 / ty));
    const int r = int(roundHalfEven(x2 / tx)), b = int(roundHalfEven(y2 / ty));
    dc.fillRect({std::min(l, r), std::min(t, b), std::max(l, r) + 1, std::max(t, b) + 1}, color & 0x00FFFFFFu);
}

} // namespace qel
