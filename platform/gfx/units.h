#pragma once
#include "platform/system/rounding.h"

namespace plat::gfx {

// Screens the forms were laid out for have 15 twips to a pixel on both axes and 96 pixels to an
// inch.
constexpr int kTwipsPerPixel = 15;
constexpr int kDotsPerInch = 96;

using plat::roundHalfEven;

// A font size in points as the pixel height of its em square.
inline int pointsToPixels(double points) { return int(roundHalfEven(points * kDotsPerInch / 72.0)); }

} // namespace plat::gfx
