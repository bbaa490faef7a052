#include "platform/media/time_text.h"
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using plat::media::minutesSecondsText;

TEST(TimeText, MinutesAndSecondsTwoDigitsEach)
{
    struct Case {
        double seconds;
        const char* text;
    };
    const Case cases[] = {
        {0, "00:00"},      {0.99, "00:00"},  {1, "00:01"},       {2.5, "00:02"},       {59.999, "00:59"},
        {60, "01:00"},     {187.4, "03:07"}, {3599.9, "59:59"},  {5999, "99:59"},      {6000, "100:00"},
        {-3, "00:00"},     {std::numeric_limits<double>::quiet_NaN(), "00:00"},
        {std::numeric_limits<double>::infinity(), "00:00"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(minutesSecondsText(c.seconds), c.text) << c.seconds;
}
