#include "controls/pages/leading_number.h"
#include "controls/pages/member_value.h"
#include <gtest/gtest.h>
#include <string>

namespace qel {
namespace {

struct LeadingCase {
    const char* text;
    double value;
};

TEST(LeadingNumber, ReadsTheNumberATextBeginsWith)
{
    const LeadingCase cases[] = {
        {"12abc", 12},
        {"", 0},
        {"1 000", 1000},
        {"-3.5", -3.5},
        {"+7", 7},
        {"abc", 0},
        {"x", 0},
        {"-", 0},
        {" \t\n 42", 42},
        {"7.9", 7.9},
        {".5", 0.5},
        {"1.2.3", 1.2},
        {"1e3", 1000},
        {"2.5D2", 250},
        {"1E-2", 0.01},
        {"3e", 3},
        {"3e+", 3},
        {"&HFF", 255},
        {"&hff", 255},
        {"&O17", 15},
        {"&H", 0},
        {"&", 0},
        {"12,5", 12},
        {"1e-400", 0},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(LeadingNumber(c.text), c.value) << '"' << c.text << '"';
}

TEST(LeadingNumber, ANumberBeyondADoubleIsAnOverflow)
{
    EXPECT_THROW(LeadingNumber("1e400"), PageError);
}

TEST(MemberValue, WholeNumbersRoundToEvenAndRefuseWhatTheTypeCannotHold)
{
    EXPECT_EQ(ConvertTo<int32_t>(MemberValue(7.9)), 8);
    EXPECT_EQ(ConvertTo<int32_t>(MemberValue(2.5)), 2);
    EXPECT_EQ(ConvertTo<int32_t>(MemberValue(3.5)), 4);
    EXPECT_EQ(ConvertTo<int32_t>(MemberValue(-2.5)), -2);
    EXPECT_EQ(ConvertTo<int16_t>(MemberValue(true)), -1);
    EXPECT_THROW(ConvertTo<int16_t>(MemberValue(70000.0)), PageError);
    EXPECT_THROW(ConvertTo<uint8_t>(MemberValue(300.0)), PageError);
    EXPECT_THROW(ConvertTo<uint8_t>(MemberValue(-1.0)), PageError);
    EXPECT_EQ(ConvertTo<uint8_t>(MemberValue(255.0)), 255);
    EXPECT_EQ(ConvertTo<int32_t>(MemberValue(plat::forms::Currency::fromScaled(25000))), 2);
    EXPECT_EQ(ConvertTo<int32_t>(MemberValue(plat::forms::Currency::fromScaled(35000))), 4);
}

TEST(MemberValue, NumbersShowInTheirOrdinaryDecimalForm)
{
    EXPECT_EQ(TextOf(MemberValue(plat::forms::Currency::fromInteger(50))), "50");
    EXPECT_EQ(TextOf(MemberValue(plat::forms::Currency::fromScaled(5))), "0.0005");
    EXPECT_EQ(TextOf(MemberValue(int64_t(-15))), "-15");
    EXPECT_EQ(TextOf(MemberValue(0.5)), "0.5");
    EXPECT_EQ(TextOf(MemberValue(1234567.0)), "1234567");
    EXPECT_EQ(TextOf(MemberValue(std::string("a b"))), "a b");
}

TEST(MemberValue, BooleansAreMinusOneAndZero)
{
    EXPECT_TRUE(ConvertTo<bool>(MemberValue(-1.0)));
    EXPECT_TRUE(ConvertTo<bool>(MemberValue(int64_t(2))));
    EXPECT_FALSE(ConvertTo<bool>(MemberValue(0.0)));
    EXPECT_DOUBLE_EQ(NumberOf(MemberValue(true)), -1.0);
    EXPECT_THROW(ConvertTo<bool>(MemberValue(std::string("maybe"))), PageError);
    EXPECT_EQ(ConvertTo<plat::forms::Currency>(MemberValue(7.25)).scaled, 72500);
    EXPECT_THROW(ConvertTo<plat::forms::Currency>(MemberValue(1e300)), PageError);
}

} // namespace
} // namespace qel
