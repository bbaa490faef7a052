#pragma once
#include "platform/gfx/units.h"

namespace plat::win {

// Forms and controls measure in twips, converted to pixels with the runtime's rounding.
using gfx::kTwipsPerPixel;
using gfx::roundHalfEven;

inline int TwipsPerPixelX() { return kTwipsPerPixel; }
inline int TwipsPerPixelY() { return kTwipsPerPixel; }

inline int pixelsFromTwips(double twips) { return int(roundHalfEven(twips / kTwipsPerPixel)); }
inline double twipsFromPixels(double pixels) { return pixels * kTwipsPerPixel; }

} // namespace plat::win
