#pragma once
#include <cmath>

// Every sub-layer of the platform rounds alike, so this stands in `plat` itself (a header that
// opened plat::sys here would make `sys()` ambiguous where plat::win is used).
namespace plat {

// The runtime's rounding, for twips as for the number conversions: to the nearest whole number,
// halves to the even neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
inline long roundHalfEven(double value) { return std::lrint(value); }

} // namespace plat
