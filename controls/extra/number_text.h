#pragma once
#include <string>

namespace qel {

// A number taken to `digits` digits after the point, halves to the even digit; a negative count
// is taken as 0, counts beyond what a double holds leave the number as it is.
double RoundToDigits(double value, int digits);
// The shortest decimal text of a number, with the point as the decimal separator ("49.49", "50",
// "-0.5"); at most 15 significant digits, as the runtime writes numbers.
std::string NumberText(double value);

} // namespace qel
