#pragma once
#include <cmath>

namespace plat::gfx {

// Screens the forms were laid out for have 15 twips to a pixel and 96 pixels to an inch.
constexpr int kTwipsPerPixel = 15;
constexpr int kDotsPerInch = 96;

// Nearest whole number, halves to the even neighbour (the runtime's conversion).
inline int roundHalfEven(double v)
{
    return int(std::nearbyint(v)); // the default rounding mode is to nearest, ties to even
}

inline int twipsToPixels(double twips) { return roundHalfEven(twips / kTwipsPerPixel); }
inline double pixelsToTwips(double pixels) { return pixels * kTwipsPerPixel; }

// A font size in points as the pixel height of its em square.
inline int pointsToPixels(double points) { return roundHalfEven(points * kDotsPerInch / 72.0); }

} // namespace plat::gfx
