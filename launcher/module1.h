#pragma once
#include <cstdint>

namespace launcher {

// Switches the primary display to `width` x `height` until it is changed again. Colour depth and
// refresh rate are left to the display; whether the display took the change is not looked at.
void SetDisplayMode(int16_t width, int16_t height);

} // namespace launcher
