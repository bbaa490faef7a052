#pragma once
#include <cmath>

namespace plat::win {

// Forms and controls measure in twips; the screen has 15 twips to a pixel on both axes.
constexpr int kTwipsPerPixel = 15;

inline int TwipsPerPixelX() { return kTwipsPerPixel; }
inline int TwipsPerPixelY() { return kTwipsPerPixel; }

// Round half to even, as the runtime's conversions do.
inline long roundHalfEven(double v) { return std::lrint(v); }
inline int pixelsFromTwips(double twips) { return int(roundHalfEven(twips / kTwipsPerPixel)); }
inline double twipsFromPixels(double pixels) { return pixels * kTwipsPerPixel; }

} // namespace plat::win
