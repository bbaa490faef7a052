#pragma once
#include <string>

namespace plat::sys {

// A local calendar date and time of day, to the second.
struct LocalDateTime {
    int year = 2000;
    int month = 1; // 1..12
    int day = 1;   // 1..31
    int hour = 0;  // 0..23
    int minute = 0;
    int second = 0;
    bool operator==(const LocalDateTime&) const = default;
};

// Where "now" comes from; tests put in a fixed one.
class DateSource {
public:
    virtual ~DateSource() = default;
    virtual LocalDateTime now() const = 0;
};

// The system's local time.
class SystemDateSource final : public DateSource {
public:
    LocalDateTime now() const override;
};

// Always the time it was given (or last set).
class FixedDateSource final : public DateSource {
public:
    explicit FixedDateSource(LocalDateTime value)
        : m_value(value)
    {
    }
    void set(LocalDateTime value) { m_value = value; }
    LocalDateTime now() const override { return m_value; }

private:
    LocalDateTime m_value;
};

// The one date-and-time text the program writes: year/month/day hour:minute:second, with the year
// in four digits, minutes and seconds in two and the rest without leading zeros ("2026/12/10 9:05:07").
std::string dateTimeText(const LocalDateTime& value);
std::string nowText(const DateSource& source);
int currentYear(const DateSource& source);

} // namespace plat::sys
