#pragma once
#include "platform/system/display_modes.h"

#include <memory>

namespace plat::sys {

// The primary output of an X11 display, through XRandR 1.2 or later. The connection stays open for
// the life of the object.
// nullptr when the display cannot be opened or has no usable XRandR.
// `displayName` nullptr means $DISPLAY.
std::unique_ptr<DisplayModes> openXrandrDisplayModes(const char* displayName = nullptr);

} // namespace plat::sys
