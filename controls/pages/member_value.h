#pragma once
#include "platform/forms/currency.h"
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <variant>

namespace qel {

// A failing step of a page's load or apply: a member the object lacks, a value the member's
// type cannot hold, a position the field cannot show. The designer host reports it.
class PageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A member's value as the pages pass it by name: Boolean, whole number, double, four-decimal
// fixed point or text.
using MemberValue = std::variant<bool, int64_t, double, plat::forms::Currency, std::string>;

// Booleans count as -1 (True) and 0 (False) wherever a number is wanted.
double NumberOf(const MemberValue& v);
// The value in the ordinary decimal form ("50", "-3.5", "0.0001"), a text as it is, a Boolean
// as "True" / "False".
std::string TextOf(const MemberValue& v);
bool BooleanOf(const MemberValue& v);
// The nearest whole number (ties to even); PageError when it is outside [low, high].
int64_t WholeOf(const MemberValue& v, int64_t low, int64_t high);
plat::forms::Currency CurrencyOf(const MemberValue& v);

// The value converted to a member's own type, as a member setter takes it.
template<class T>
T ConvertTo(const MemberValue& v)
{
    if constexpr (std::is_same_v<T, bool>)
        return BooleanOf(v);
    else if constexpr (std::is_integral_v<T>)
        return T(WholeOf(v, int64_t(std::numeric_limits<T>::min()), int64_t(std::numeric_limits<T>::max())));
    else if constexpr (std::is_floating_point_v<T>)
        return T(NumberOf(v));
    else if constexpr (std::is_same_v<T, plat::forms::Currency>)
        return CurrencyOf(v);
    else {
        static_assert(std::is_same_v<T, std::string>, "no member value of this type");
        return TextOf(v);
    }
}

template<class T>
MemberValue ValueOf(const T& v)
{
    if constexpr (std::is_same_v<T, bool>)
        return MemberValue(v);
    else if constexpr (std::is_integral_v<T>)
        return MemberValue(int64_t(v));
    else if constexpr (std::is_floating_point_v<T>)
        return MemberValue(double(v));
    else if constexpr (std::is_same_v<T, plat::forms::Currency>)
        return MemberValue(v);
    else
        return MemberValue(std::string(v));
}

} // namespace qel
