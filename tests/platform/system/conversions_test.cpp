#include "platform/system/conversions.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace plat::sys;

TEST(Conversions, ToIntegerRoundsHalfToEvenAndChecksTheRange)
{
    struct Case {
        const char* text;
        std::optional<int16_t> expected;
    } cases[] = {
        { "2.5", 2 }, { "3.5", 4 }, { "-2.5", -2 }, { "-3.5", -4 }, { "0.5", 0 }, { "1.5", 2 },
        { "600.5", 600 }, { "601.5", 602 }, { "2.7", 3 }, { "-0.4", 0 },
        { "32767", 32767 }, { "32767.4", 32767 }, { "32767.5", std::nullopt }, { "-32768.5", -32768 },
        { "-32768.6", std::nullopt }, { "40000", std::nullopt },
        { "abc", std::nullopt }, { "", std::nullopt }, { " 12 ", 12 }, { "1e3", 1000 }, { "12abc", std::nullopt },
    };
    for (const auto& c : cases)
        EXPECT_EQ(toInteger(std::string_view(c.text)), c.expected) << c.text;
}

TEST(Conversions, ToLongHasThirtyTwoBits)
{
    EXPECT_EQ(toLong(std::string_view("720")), 720);
    EXPECT_EQ(toLong(std::string_view("40000.5")), 40000);
    EXPECT_EQ(toLong(std::string_view("2147483647")), 2147483647);
    EXPECT_EQ(toLong(std::string_view("2147483647.5")), std::nullopt);
    EXPECT_EQ(toLong(std::string_view("-2147483648.5")), int32_t(-2147483648LL));
    EXPECT_EQ(toLong(std::string_view("abc")), std::nullopt);
    EXPECT_EQ(toLong(std::nan("")), std::nullopt);
    EXPECT_EQ(toLong(INFINITY), std::nullopt);
}

TEST(Conversions, IntegerPartGoesTowardMinusInfinity)
{
    EXPECT_EQ(integerPart(2.7), 2);
    EXPECT_EQ(integerPart(-2.5), -3);
    EXPECT_EQ(integerPart(3), 3);
    EXPECT_EQ(integerPartAsInteger("2.7"), 2);
    EXPECT_EQ(integerPartAsInteger("-0.1"), -1);
    EXPECT_EQ(integerPartAsInteger("32767.9"), 32767);
    EXPECT_EQ(integerPartAsInteger("32768"), std::nullopt);
    EXPECT_EQ(integerPartAsInteger("x"), std::nullopt);
}

TEST(Conversions, ValReadsTheLeadingNumber)
{
    struct Case {
        const char* text;
        double expected;
    } cases[] = {
        { "12abc", 12 }, { "", 0 }, { " 1 000", 1000 }, { "-3.5", -3.5 }, { "abc", 0 }, { "+7", 7 },
        { "- 3", -3 }, { "1.2.3", 1.2 }, { ".5", 0.5 }, { "5.", 5 }, { "1e3", 1000 }, { "1E-2", 0.01 },
        { "2d2", 200 }, { "1e", 1 }, { "1e+", 1 }, { "\t42\n", 42 }, { "1920\r", 1920 }, { "&H1F", 31 },
        { "&o17", 15 }, { "&", 0 }, { "-", 0 }, { ".", 0 }, { "--1", 0 }, { "0x10", 0 }, { "12,5", 12 },
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(val(c.text), c.expected) << c.text;
    EXPECT_EQ(val("1e400"), INFINITY);
    EXPECT_EQ(val("-1e400"), -INFINITY);
    EXPECT_EQ(val("1e-400"), 0);
}

TEST(Conversions, IsNumericIsStrict)
{
    for (const char* yes : { "0", "12", "-3.5", "+4", " 12 ", ".5", "5.", "1e5", "1E-5", "2.5e+3", "007" })
        EXPECT_TRUE(isNumeric(yes)) << yes;
    for (const char* no : { "", " ", "abc", "12abc", "1 000", ".", "-", "1e", "e5", "--1", "1.2.3", "&H10",
             "0x10", "inf", "nan", "1,000", "1d2", "1e400" })
        EXPECT_FALSE(isNumeric(no)) << no;
}

TEST(Conversions, ToDoubleReadsTheSameNumbers)
{
    EXPECT_EQ(toDouble("-3.5"), -3.5);
    EXPECT_EQ(toDouble(" 1e3 "), 1000);
    EXPECT_EQ(toDouble("12abc"), std::nullopt);
}

TEST(Conversions, BooleansAreTheExactWords)
{
    EXPECT_EQ(booleanText(true), "True");
    EXPECT_EQ(booleanText(false), "False");
    EXPECT_TRUE(isTrueText("True"));
    for (const char* no : { "true", "TRUE", " True", "True ", "-1", "1", "" })
        EXPECT_FALSE(isTrueText(no)) << no;
    EXPECT_EQ(parseBoolean("True"), true);
    EXPECT_EQ(parseBoolean("False"), false);
    EXPECT_EQ(parseBoolean("false"), std::nullopt);
    EXPECT_EQ(booleanValue(true), -1);
    EXPECT_EQ(booleanValue(false), 0);
}
