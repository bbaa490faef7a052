#include "platform/system/conversions.h"
#include "platform/system/rounding.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace plat::sys {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Reads a plain decimal number (no leading '+'); nullopt when out of the double range.
std::optional<double> readDecimal(std::string_view digits)
{
    double value = 0;
    auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error == std::errc::result_out_of_range) {
        // Underflow reads as zero; overflow is reported.
        bool hasNonZero = false;
        for (char c : digits) {
            if (c == 'e' || c == 'E')
                break;
            hasNonZero = hasNonZero || (c >= '1' && c <= '9');
        }
        size_t e = digits.find_first_of("eE");
        bool negativeExponent = e != std::string_view::npos && e + 1 < digits.size() && digits[e + 1] == '-';
        if (!hasNonZero || negativeExponent)
            return digits.starts_with('-') ? -0.0 : 0.0;
        return std::nullopt;
    }
    if (error != std::errc() || end != digits.data() + digits.size())
        return std::nullopt;
    return value;
}

// Length of a decimal number at the start of `text` (sign, mantissa, optional exponent), 0 if none.
size_t scanDecimal(std::string_view text, bool allowDExponent)
{
    size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    size_t digits = 0;
    while (i < text.size() && isDigit(text[i]))
        ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isDigit(text[i]))
            ++i, ++digits;
    }
    if (digits == 0)
        return 0;
    if (i < text.size()
        && (text[i] == 'e' || text[i] == 'E' || (allowDExponent && (text[i] == 'd' || text[i] == 'D')))) {
        size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        if (j < text.size() && isDigit(text[j])) {
            while (j < text.size() && isDigit(text[j]))
                ++j;
            i = j;
        }
    }
    return i;
}

// The scanned number in a form from_chars takes: no '+', exponent letter 'e'.
std::string normalised(std::string_view number)
{
    std::string out;
    for (char c : number) {
        if (c == '+' && out.empty())
            continue;
        out += (c == 'd' || c == 'D') ? 'e' : c;
    }
    return out;
}

template<typename Int>
std::optional<Int> roundedInto(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    double rounded = roundHalfEven(value);
    if (rounded < double(std::numeric_limits<Int>::min()) || rounded > double(std::numeric_limits<Int>::max()))
        return std::nullopt;
    return Int(rounded);
}

double readRadix(std::string_view digits, int radix)
{
    double value = 0;
    for (char c : digits) {
        int d;
        if (isDigit(c))
            d = c - '0';
        else if (c >= 'a' && c <= 'f')
            d = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            d = c - 'A' + 10;
        else
            break;
        if (d >= radix)
            break;
        value = value * radix + d;
    }
    return value;
}

} // namespace

std::optional<double> toDouble(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    if (text.empty())
        return std::nullopt;
    size_t length = scanDecimal(text, false);
    if (length == 0 || length != text.size())
        return std::nullopt;
    // An exponent letter left unread (as in "1e") is caught by the length check above.
    return readDecimal(normalised(text));
}

bool isNumeric(std::string_view text) { return toDouble(text).has_value(); }

std::optional<int16_t> toInteger(double value) { return roundedInto<int16_t>(value); }
std::optional<int32_t> toLong(double value) { return roundedInto<int32_t>(value); }

std::optional<int16_t> toInteger(std::string_view text)
{
    auto value = toDouble(text);
    return value ? toInteger(*value) : std::nullopt;
}

std::optional<int32_t> toLong(std::string_view text)
{
    auto value = toDouble(text);
    return value ? toLong(*value) : std::nullopt;
}

double integerPart(double value) { return std::floor(value); }

std::optional<int16_t> integerPartAsInteger(std::string_view text)
{
    auto value = toDouble(text);
    return value ? toInteger(integerPart(*value)) : std::nullopt;
}

double val(std::string_view text)
{
    std::string compact;
    for (char c : text) {
        if (c != ' ' && c != '\t' && c != '\n')
            compact += c;
    }
    std::string_view rest = compact;
    if (rest.size() >= 2 && rest[0] == '&') {
        char kind = rest[1];
        if (kind == 'h' || kind == 'H')
            return readRadix(rest.substr(2), 16);
        if (kind == 'o' || kind == 'O')
            return readRadix(rest.substr(2), 8);
        return 0;
    }
    size_t length = scanDecimal(rest, true);
    if (length == 0)
        return 0;
    auto value = readDecimal(normalised(rest.substr(0, length)));
    if (!value)
        return rest.front() == '-' ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity();
    return *value;
}

std::string_view booleanText(bool value) { return value ? "True" : "False"; }

bool isTrueText(std::string_view text) { return text == "True"; }

std::optional<bool> parseBoolean(std::string_view text)
{
    if (text == "True")
        return true;
    if (text == "False")
        return false;
    return std::nullopt;
}

} // namespace plat::sys
