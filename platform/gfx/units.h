#pragma once
#include <cmath>

namespace plat::gfx {

// Screens the forms were laid out for have 15 twips to a pixel on both axes and 96 pixels to an
// inch.
constexpr int kTwipsPerPixel = 15;
constexpr int kDotsPerInch = 96;

// The runtime's rounding, for twips as for the number conversions: to the nearest whole number,
// halves to the even neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
inline long roundHalfEven(double value) { return std::lrint(value); }

// A font size in points as the pixel height of its em square.
inline int pointsToPixels(double points) { return int(roundHalfEven(points * kDotsPerInch / 72.0)); }

} // namespace plat::gfx
