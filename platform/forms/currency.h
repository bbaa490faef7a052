#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace plat::forms {

// A fixed-point number with four decimals: the value times 10000 in a signed 64-bit integer.
struct Currency {
    int64_t scaled = 0;

    static constexpr int64_t kScale = 10000;
    static constexpr Currency fromScaled(int64_t v) { return Currency{v}; }
    static constexpr Currency fromInteger(int64_t v) { return Currency{v * kScale}; }
    // Nearest representable value; halves go to the even neighbour.
    static Currency fromDouble(double v);
    double toDouble() const { return double(scaled) / double(kScale); }

    // Decimal text without needless zeros: "12.5", "-0.0001", "3".
    std::string toString() const;
    // Reads a decimal text with at most four decimals ("12", "-3.25"); nullopt when malformed.
    static std::optional<Currency> parse(std::string_view text);

    auto operator<=>(const Currency&) const = default;
};

} // namespace plat::forms
