#pragma once
#include <cstdint>
#include <optional>
#include <string_view>

namespace plat::sys {

// Number conversions with the runtime's rules. Text is read strictly (see isNumeric); a value that
// does not read as a number, or does not fit, gives nullopt.

// "Integer": 16-bit, rounded half to even, then range-checked (32767.5 rounds to 32768 and fails).
std::optional<int16_t> toInteger(double value);
std::optional<int16_t> toInteger(std::string_view text);
// "Long": the same with 32 bits.
std::optional<int32_t> toLong(double value);
std::optional<int32_t> toLong(std::string_view text);
// "Double": the text read as a number.
std::optional<double> toDouble(std::string_view text);

// Int: the whole part toward minus infinity (-2.5 -> -3).
double integerPart(double value);
// The whole part of the text read as a number, as a 16-bit Integer.
std::optional<int16_t> integerPartAsInteger(std::string_view text);

// Val: the number at the start of the text, 0 when there is none. Blanks, tabs and line feeds are
// ignored wherever they stand (" 1 000" is 1000); reading stops at the first character that cannot
// continue the number ("12abc" is 12). Accepts a sign, a decimal point, an exponent (E or D) and
// the prefixes &H (hexadecimal) and &O (octal). A value too large for a double gives +-infinity.
double val(std::string_view text);

// True when the whole text, apart from blanks around it, is one decimal number: an optional sign,
// digits with at most one decimal point (at least one digit), and an optional exponent with digits.
bool isNumeric(std::string_view text);

// Booleans in data files are the exact, case-sensitive words "True" and "False".
std::string_view booleanText(bool value);
// True only for exactly "True".
bool isTrueText(std::string_view text);
// "True" or "False", anything else nullopt.
std::optional<bool> parseBoolean(std::string_view text);
// The 16-bit in-memory form: True is -1, False 0.
constexpr int16_t booleanValue(bool value) { return value ? -1 : 0; }

} // namespace plat::sys
