#include "scoreboard/clock_face.h"

#include <gtest/gtest.h>

namespace scoreboard::test {
namespace {

TEST(ClockFace, TextAndColourOfRemainingTimes)
{
    struct Case {
        int64_t remainingUs;
        const char* text;
        bool red;
        bool lastMinute;
    };
    const Case cases[] = {
        {720'000'000, "12:00", false, false},
        {719'000'001, "12:00", false, false}, // the whole first second of a period
        {719'000'000, "11:59", false, false},
        {6000'000'000, "100:00", false, false},
        {61'000'000, "01:01", false, false},
        {60'000'001, "01:01", false, false},
        {60'000'000, "01:00", false, true},
        {59'900'001, "01:00", false, true},
        {59'900'000, "59.9", false, true},
        {59'000'000, "59.0", false, true},
        {58'999'999, "59.0", false, true},
        {58'900'000, "58.9", false, true},
        {45'250'000, "45.3", false, true},
        {10'000'000, "10.0", false, true},
        {9'900'001, "10.0", false, true},
        {9'900'000, "9.9", true, true},
        {1'000'000, "1.0", true, true},
        {900'000, "0.9", true, true},
        {1, "0.1", true, true},
        {0, "0.0", true, true},
        {-5'000, "0.0", true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.remainingUs);
        ClockFace face = clockFace(c.remainingUs);
        EXPECT_EQ(face.text, c.text);
        EXPECT_EQ(face.red, c.red);
        EXPECT_EQ(face.lastMinute, c.lastMinute);
    }
}

TEST(ClockFace, NextChangeIsTheNextBoundaryBelow)
{
    const std::pair<int64_t, int64_t> cases[] = {
        {720'000'000, 719'000'000},
        {719'500'000, 719'000'000},
        {61'000'000, 60'000'000},
        {60'000'001, 60'000'000},
        {60'000'000, 59'900'000},
        {59'950'000, 59'900'000},
        {100'000, 0},
        {1, 0},
        {0, 0},
    };
    for (auto [from, expected] : cases)
        EXPECT_EQ(nextFaceChange(from), expected) << from;
}

TEST(ClockFace, BeepsOnTheNinesOfTheLastTenSecondsAndTheBellAtZero)
{
    struct Case {
        int64_t fromUs, toUs;
        ClockSignals expected;
    };
    const Case cases[] = {
        {10'000'000, 9'900'000, {true, false}},
        {9'950'000, 9'900'000, {true, false}},
        {9'900'000, 9'850'000, {false, false}}, // a clock resumed on 9.9 does not beep again
        {10'900'000, 10'800'000, {false, false}},
        {1'000'000, 900'000, {true, false}},
        {900'000, 800'000, {false, false}},
        {100'000, 0, {false, true}},
        {850'000, 0, {false, true}},
        {20'000'000, 0, {true, true}}, // a long step gives one beep, not many
        {9'900'000, 9'900'000, {false, false}},
        {0, 0, {false, false}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(signalsBetween(c.fromUs, c.toUs), c.expected) << c.fromUs << " -> " << c.toUs;
}

} // namespace
} // namespace scoreboard::test
