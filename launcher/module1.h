#pragma once
#include <cstdint>

namespace launcher {

// Switches the primary display to `width` x `height` until it is changed again. Colour depth and
// refresh rate are left to the display. True when the display stands at that size afterwards.
bool SetDisplayMode(int16_t width, int16_t height);

} // namespace launcher
