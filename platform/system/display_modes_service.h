#pragma once
#include "platform/system/display_modes.h"

#include <memory>

namespace plat::sys {

// The display the running program works with. The backend installs one when it starts (XRandR on
// X11, a recorded display when headless); until then a display of size 0 x 0 that refuses changes.
DisplayModes& displayModes();
// Takes ownership; nullptr goes back to the empty display.
void installDisplayModes(std::unique_ptr<DisplayModes> modes);

} // namespace plat::sys
