#include "controls/extra/number_text.h"
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace qel {

double RoundToDigits(double value, int digits)
{
    if (digits < 0)
        digits = 0;
    if (digits > 15 || !std::isfinite(value))
        return value;
    // Scale through the decimal text so that 2.675 (held as 2.67499...) rounds as written.
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15e", value);
    const double exact = std::strtod(buffer, nullptr);
    const double scale = std::pow(10.0, digits);
    const double scaled = exact * scale;
    if (std::fabs(scaled) >= 9.0e15)
        return value;
    double rounded = std::nearbyint(scaled);
    // A scaled value a hair off a half (0.5 held as 0.49999...) still counts as a half.
    const double fraction = scaled - std::floor(scaled);
    if (std::fabs(fraction - 0.5) < 1e-9) {
        const double low = std::floor(scaled);
        rounded = std::fmod(low, 2.0) == 0.0 ? low : low + 1.0;
    }
    return rounded / scale;
}

std::string NumberText(double value)
{
    if (value == 0.0)
        return "0";
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    return buffer;
}

} // namespace qel
