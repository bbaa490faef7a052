#pragma once
#include "platform/gfx/surface.h"

namespace qel {

// The six 13 x 13 check-box images of the list box: 0 unchecked, 1 unchecked current, 2 disabled
// look, 3 checked, 4 checked current, 5 disabled checked look.
const plat::gfx::Surface& ListCheckImage(int index);

} // namespace qel
