#include "controls/text/fixed_point.h"
#include <limits>

namespace qel {

namespace {
int64_t saturated(bool overflow, int64_t sum, bool positive)
{
    if (!overflow)
        return sum;
    return positive ? std::numeric_limits<int64_t>::max() : std::numeric_limits<int64_t>::min();
}
} // namespace

Fixed operator+(Fixed a, Fixed b)
{
    int64_t sum = 0;
    const bool overflow = __builtin_add_overflow(a.scaled, b.scaled, &sum);
    return Fixed::fromScaled(saturated(overflow, sum, b.scaled > 0));
}

Fixed operator-(Fixed a, Fixed b)
{
    int64_t difference = 0;
    const bool overflow = __builtin_sub_overflow(a.scaled, b.scaled, &difference);
    return Fixed::fromScaled(saturated(overflow, difference, b.scaled < 0));
}

int64_t FloorOf(Fixed v)
{
    int64_t q = v.scaled / Fixed::kScale;
    if (v.scaled % Fixed::kScale < 0)
        --q;
    return q;
}

} // namespace qel
