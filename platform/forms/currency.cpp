#include "platform/forms/currency.h"
#include <cmath>
#include <cstdlib>

namespace plat::forms {

Currency Currency::fromDouble(double v)
{
    return Currency{int64_t(std::nearbyint(v * double(kScale)))};
}

std::string Currency::toString() const
{
    uint64_t magnitude = scaled < 0 ? uint64_t(0) - uint64_t(scaled) : uint64_t(scaled);
    std::string out = scaled < 0 ? "-" : "";
    out += std::to_string(magnitude / uint64_t(kScale));
    uint64_t frac = magnitude % uint64_t(kScale);
    if (frac) {
        std::string digits = std::to_string(frac);
        digits.insert(0, 4 - digits.size(), '0');
        while (!digits.empty() && digits.back() == '0')
            digits.pop_back();
        out += "." + digits;
    }
    return out;
}

std::optional<Currency> Currency::parse(std::string_view text)
{
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    uint64_t whole = 0;
    int wholeDigits = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        whole = whole * 10 + uint64_t(text[i++] - '0');
        if (++wholeDigits > 15)
            return std::nullopt; // beyond the range of four decimals in 64 bits
    }
    uint64_t frac = 0;
    int fracDigits = 0;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            if (++fracDigits > 4)
                return std::nullopt;
            frac = frac * 10 + uint64_t(text[i++] - '0');
        }
    }
    if (i != text.size() || (wholeDigits == 0 && fracDigits == 0))
        return std::nullopt;
    for (int d = fracDigits; d < 4; ++d)
        frac *= 10;
    int64_t v = int64_t(whole * uint64_t(kScale) + frac);
    return Currency{negative ? -v : v};
}

} // namespace plat::forms
