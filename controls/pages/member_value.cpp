#include "controls/pages/member_value.h"
#include "controls/extra/number_text.h"
#include <charconv>
#include <cmath>
#include <system_error>

namespace qel {
namespace {

using plat::forms::Currency;

// A text that is a number as a whole (what a conversion of text to a number accepts).
double ParsedNumber(const std::string& text)
{
    size_t a = text.find_first_not_of(' ');
    size_t b = text.find_last_not_of(' ');
    if (a == std::string::npos)
        throw PageError("Type mismatch: \"" + text + "\" is not a number");
    std::string t = text.substr(a, b - a + 1);
    if (t == "True")
        return -1;
    if (t == "False")
        return 0;
    const char* first = t.data() + (t[0] == '+' ? 1 : 0);
    double value = 0;
    const auto result = std::from_chars(first, t.data() + t.size(), value);
    if (result.ec != std::errc() || result.ptr != t.data() + t.size())
        throw PageError("Type mismatch: \"" + text + "\" is not a number");
    return value;
}

} // namespace

double NumberOf(const MemberValue& v)
{
    if (const bool* b = std::get_if<bool>(&v))
        return *b ? -1.0 : 0.0;
    if (const int64_t* i = std::get_if<int64_t>(&v))
        return double(*i);
    if (const double* d = std::get_if<double>(&v))
        return *d;
    if (const Currency* c = std::get_if<Currency>(&v))
        return c->toDouble();
    return ParsedNumber(std::get<std::string>(v));
}

std::string TextOf(const MemberValue& v)
{
    if (const bool* b = std::get_if<bool>(&v))
        return *b ? "True" : "False";
    if (const int64_t* i = std::get_if<int64_t>(&v))
        return std::to_string(*i);
    if (const double* d = std::get_if<double>(&v))
        return NumberText(*d);
    if (const Currency* c = std::get_if<Currency>(&v))
        return c->toString();
    return std::get<std::string>(v);
}

bool BooleanOf(const MemberValue& v)
{
    if (const bool* b = std::get_if<bool>(&v))
        return *b;
    return NumberOf(v) != 0.0;
}

int64_t WholeOf(const MemberValue& v, int64_t low, int64_t high)
{
    if (const int64_t* i = std::get_if<int64_t>(&v)) {
        if (*i < low || *i > high)
            throw PageError("Overflow: " + std::to_string(*i) + " is outside " + std::to_string(low) + " to " + std::to_string(high));
        return *i;
    }
    if (const Currency* c = std::get_if<Currency>(&v)) {
        // Whole part and the four decimals, rounded to even without going through a double.
        int64_t whole = c->scaled / Currency::kScale;
        int64_t rest = c->scaled % Currency::kScale;
        if (rest < 0) {
            rest += Currency::kScale;
            --whole;
        }
        if (rest > Currency::kScale / 2 || (rest == Currency::kScale / 2 && (whole % 2) != 0))
            ++whole;
        return WholeOf(MemberValue(whole), low, high);
    }
    const double d = NumberOf(v);
    const double rounded = std::nearbyint(d);
    if (!std::isfinite(rounded) || rounded < double(low) || rounded > double(high))
        throw PageError("Overflow: " + TextOf(v) + " is outside " + std::to_string(low) + " to " + std::to_string(high));
    return int64_t(rounded);
}

Currency CurrencyOf(const MemberValue& v)
{
    if (const Currency* c = std::get_if<Currency>(&v))
        return *c;
    if (const int64_t* i = std::get_if<int64_t>(&v)) {
        if (*i > INT64_MAX / Currency::kScale || *i < INT64_MIN / Currency::kScale)
            throw PageError("Overflow: " + std::to_string(*i) + " does not fit a four-decimal number");
        return Currency::fromInteger(*i);
    }
    const double d = NumberOf(v);
    // The largest magnitude the scaled 64-bit number holds.
    if (!std::isfinite(d) || std::fabs(d) >= 922337203685477.0)
        throw PageError("Overflow: " + TextOf(v) + " does not fit a four-decimal number");
    return Currency::fromDouble(d);
}

} // namespace qel
