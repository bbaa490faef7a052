#include "controls/pages/leading_number.h"
#include "controls/pages/member_value.h"
#include <charconv>
#include <system_error>
#include <string>

namespace qel {
namespace {

// The characters of the text without the blanks, tabs and line feeds.
std::string Squeezed(std::string_view text)
{
    std::string out;
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n')
            out += c;
    return out;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

double RadixNumber(const std::string& s, size_t pos, int radix)
{
    double value = 0;
    for (; pos < s.size(); ++pos) {
        const char c = s[pos];
        int digit = -1;
        if (IsDigit(c))
            digit = c - '0';
        else if (c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        if (digit < 0 || digit >= radix)
            break;
        value = value * radix + digit;
    }
    return value;
}

} // namespace

double LeadingNumber(std::string_view text)
{
    const std::string s = Squeezed(text);
    if (s.size() >= 2 && s[0] == '&') {
        if (s[1] == 'H' || s[1] == 'h')
            return RadixNumber(s, 2, 16);
        if (s[1] == 'O' || s[1] == 'o')
            return RadixNumber(s, 2, 8);
        return 0;
    }
    // Collect the part that fits, then let strtod read exactly that in the C locale's form.
    std::string number;
    size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        number += s[i++];
    bool digits = false, point = false;
    for (; i < s.size(); ++i) {
        if (IsDigit(s[i])) {
            digits = true;
            number += s[i];
        } else if (s[i] == '.' && !point) {
            point = true;
            number += '.';
        } else {
            break;
        }
    }
    if (!digits)
        return 0;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
        std::string exponent = "e";
        size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            exponent += s[j++];
        bool expDigits = false;
        for (; j < s.size() && IsDigit(s[j]); ++j) {
            expDigits = true;
            exponent += s[j];
        }
        if (expDigits)
            number += exponent;
    }
    // from_chars reads the point whatever the locale says; it takes no plus sign.
    const char* first = number.data() + (number[0] == '+' ? 1 : 0);
    double value = 0;
    const auto result = std::from_chars(first, number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        if (number.find('e') != std::string::npos && number.find("e-") != std::string::npos)
            return 0; // underflow: as near zero as a double goes
        throw PageError("Overflow: \"" + std::string(text) + "\"");
    }
    return value;
}

} // namespace qel
