#pragma once
#include "platform/forms/currency.h"
#include <cstdint>

namespace qel {

// The bars' numbers: four decimal places, the number times 10000 in a signed 64-bit integer.
// Steps are exact additions; a sum beyond the range stops at its end instead of wrapping.
using Fixed = plat::forms::Currency;

Fixed operator+(Fixed a, Fixed b);
Fixed operator-(Fixed a, Fixed b);
// A whole number as a fixed-point value.
constexpr Fixed Whole(int64_t v) { return Fixed::fromInteger(v); }
// Int: the whole part rounded down (toward minus infinity).
int64_t FloorOf(Fixed v);

} // namespace qel
