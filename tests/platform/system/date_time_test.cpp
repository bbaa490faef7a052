#include "platform/system/date_time.h"

#include <gtest/gtest.h>

using namespace plat::sys;

TEST(DateTime, NowTextHasTheOneFixedFormat)
{
    struct Case {
        LocalDateTime when;
        const char* text;
    } cases[] = {
        { { 2026, 12, 10, 9, 5, 7 }, "2026/12/10 9:05:07" },
        { { 2026, 1, 5, 0, 0, 0 }, "2026/1/5 0:00:00" },
        { { 2027, 11, 30, 23, 59, 59 }, "2027/11/30 23:59:59" },
    };
    for (const auto& c : cases) {
        FixedDateSource source(c.when);
        EXPECT_EQ(nowText(source), c.text);
        EXPECT_EQ(dateTimeText(c.when), c.text);
    }
}

TEST(DateTime, YearComesFromTheSource)
{
    FixedDateSource source({ 2026, 3, 1, 12, 0, 0 });
    EXPECT_EQ(currentYear(source), 2026);
    source.set({ 2031, 1, 1, 0, 0, 0 });
    EXPECT_EQ(currentYear(source), 2031);
}

TEST(DateTime, SystemSourceGivesAPlausibleDate)
{
    LocalDateTime now = SystemDateSource().now();
    EXPECT_GE(now.year, 2024);
    EXPECT_GE(now.month, 1);
    EXPECT_LE(now.month, 12);
    EXPECT_GE(now.day, 1);
    EXPECT_LE(now.day, 31);
}
