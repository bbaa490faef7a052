#pragma once
#include <string_view>

namespace qel {

// The number a numeric field's text begins with: blanks, tabs and line feeds are skipped
// wherever they stand; then an optional sign, digits with at most one decimal point (always the
// point, whatever the locale), an optional exponent (E or D, an optional sign, digits); "&H"
// starts a hexadecimal and "&O" an octal whole number. Reading stops at the first character that
// does not fit; no digits at all give 0. So "12abc" gives 12, "" gives 0, "1 000" gives 1000.
// A number too large for a double throws PageError (an overflow, as a failing statement).
double LeadingNumber(std::string_view text);

} // namespace qel
