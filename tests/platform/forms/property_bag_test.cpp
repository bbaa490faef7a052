#include "platform/forms/property_bag.h"
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace plat::forms {

TEST(PropertyBag, RoundTripOfEveryValueTypeWithDefaultsLeftOut)
{
    FontDesc arial{"Arial", 14.25, true, false, true, false, 700, 0};
    PropertyBag bag;
    bag.writeProperty("Flag", true, false);
    bag.writeProperty("Small", int8_t(-5), int8_t(0));
    bag.writeProperty("Byte", uint8_t(200), uint8_t(0));
    bag.writeProperty("Short", int16_t(-32768), int16_t(0));
    bag.writeProperty("Long", int32_t(70000), 0);
    bag.writeProperty("Ratio", 0.125, 1.0);
    bag.writeProperty("Money", Currency::fromScaled(-123456789), Currency{});
    bag.writeProperty("Caption", std::string("比赛 \"A\""), "Caption");
    bag.writeProperty("BackColor", uint32_t(0x8000000F), 0xFBFBFB);
    bag.writeProperty("Font", arial, FontDesc{});
    bag.writeProperty("Picture", PictureRef{"img/logo.png"}, PictureRef{});
    // Equal to their defaults: not stored.
    bag.writeProperty("Enabled", true, true);
    bag.writeProperty("TextPosition", int32_t(2), 2);
    bag.writeProperty("ForeColor", uint32_t(0x733C00), 0x733C00);
    bag.writeProperty("Text", std::string(), "");
    bag.writeProperty("Font2", FontDesc{}, FontDesc{});
    EXPECT_EQ(bag.size(), 11u);
    EXPECT_FALSE(bag.contains("Enabled"));
    EXPECT_FALSE(bag.contains("ForeColor"));

    // Through its stored text, as a layout file keeps it.
    PropertyBag back(PropertyBag::Json::parse(bag.data().dump()));
    EXPECT_TRUE(back.readProperty("Flag", false));
    EXPECT_EQ(back.readProperty("Small", int8_t(0)), -5);
    EXPECT_EQ(back.readProperty("Byte", uint8_t(0)), 200);
    EXPECT_EQ(back.readProperty("Short", int16_t(0)), -32768);
    EXPECT_EQ(back.readProperty("Long", 0), 70000);
    EXPECT_EQ(back.readProperty("Ratio", 1.0), 0.125);
    EXPECT_EQ(back.readProperty("Money", Currency{}).scaled, -123456789);
    EXPECT_EQ(back.readProperty("Caption", "Caption"), "比赛 \"A\"");
    EXPECT_EQ(back.readProperty("BackColor", uint32_t(0xFBFBFB)), 0x8000000Fu);
    EXPECT_EQ(back.readProperty("Font", FontDesc{}), arial);
    EXPECT_EQ(back.readProperty("Picture", PictureRef{}).path, "img/logo.png");
    EXPECT_TRUE(back.readProperty("Enabled", true));
    EXPECT_EQ(back.readProperty("TextPosition", 2), 2);
    EXPECT_EQ(back.readProperty("ForeColor", uint32_t(0x733C00)), 0x733C00u);

    // The stored text stays readable.
    EXPECT_EQ(bag.data()["backcolor"], "&H8000000F&");
    EXPECT_EQ(bag.data()["money"], "-12345.6789");
    EXPECT_EQ(bag.data()["flag"], true);
    EXPECT_EQ(bag.data()["font"]["name"], "Arial");
}

TEST(PropertyBag, ACopyKeepsItsOwnEntriesInTheOrderTheyWereWritten)
{
    PropertyBag bag;
    EXPECT_TRUE(bag.keys().empty());
    EXPECT_EQ(bag.data(), PropertyBag::Json::object());
    bag.writeProperty("Value", 3, 0);
    bag.writeProperty("Caption", std::string("a"), "");
    PropertyBag copy = bag;
    copy.writeProperty("Enabled", false, true);
    copy.remove("VALUE");
    EXPECT_EQ(bag.keys(), (std::vector<std::string>{"value", "caption"}));
    EXPECT_EQ(copy.keys(), (std::vector<std::string>{"caption", "enabled"}));

    PropertyBag moved = std::move(copy);
    copy = bag;
    EXPECT_EQ(copy.keys(), bag.keys());
    EXPECT_EQ(moved.readProperty("Caption", ""), "a");
    bag = PropertyBag();
    EXPECT_TRUE(bag.empty());
    EXPECT_FALSE(bag.contains("value"));
    EXPECT_EQ(copy.readProperty("Value", 0), 3);
}

TEST(PropertyBag, NamesAreMatchedWithoutRegardToCaseAndStoredLowerCase)
{
    PropertyBag bag;
    bag.writeProperty("BackColor1", uint32_t(0xFF), 0xFBFBFB);
    EXPECT_TRUE(bag.data().contains("backcolor1"));
    EXPECT_EQ(bag.readProperty("BACKCOLOR1", uint32_t(0)), 0xFFu);
    EXPECT_EQ(bag.readProperty("backColor1", uint32_t(0)), 0xFFu);
    bag.writeProperty("BACKCOLOR1", uint32_t(0xFBFBFB), 0xFBFBFB); // back to the default: removed
    EXPECT_TRUE(bag.empty());

    PropertyBag stored(PropertyBag::Json::parse(R"({"UnRefreshControl": true, "Caption": "x"})"));
    EXPECT_TRUE(stored.readProperty("unrefreshcontrol", false));
    EXPECT_EQ(stored.readProperty("CAPTION", ""), "x");
    EXPECT_TRUE(stored.data().contains("caption"));
    EXPECT_THROW(PropertyBag(PropertyBag::Json::parse(R"({"a": 1, "A": 2})")), PropertyError);
}

TEST(PropertyBag, BooleansAreMinusOneAsNumbersAndNumbersReadAsBooleans)
{
    PropertyBag bag(PropertyBag::Json::parse(R"({"a": true, "b": false, "c": -1, "d": 0, "e": "True"})"));
    EXPECT_EQ(bag.readProperty("a", int16_t(0)), -1);
    EXPECT_EQ(bag.readProperty("b", int16_t(5)), 0);
    EXPECT_TRUE(bag.readProperty("c", false));
    EXPECT_FALSE(bag.readProperty("d", true));
    EXPECT_TRUE(bag.readProperty("e", false));
}

struct BadValue {
    const char* json;
    const char* problem;
};

class PropertyBagBadValue : public ::testing::TestWithParam<BadValue> {};

TEST_P(PropertyBagBadValue, ReadingTheWrongTypeNamesThePropertyAndTheValue)
{
    PropertyBag bag(PropertyBag::Json::parse(GetParam().json));
    std::string message;
    try {
        bag.readProperty("V", int16_t(0));
        bag.readProperty("S", "");
        bag.readProperty("F", FontDesc{});
        bag.readProperty("P", PictureRef{});
        bag.readProperty("M", Currency{});
        bag.readProperty("B", false);
    } catch (const PropertyError& e) {
        message = e.what();
    }
    EXPECT_NE(message.find(GetParam().problem), std::string::npos) << message;
}

INSTANTIATE_TEST_SUITE_P(Cases, PropertyBagBadValue,
    ::testing::Values(BadValue{R"({"v": "ten"})", "property \"V\": expected a whole number, found \"ten\""},
        BadValue{R"({"v": 32768})", "property \"V\": the number 32768 is out of range"},
        BadValue{R"({"v": 1.5})", "expected a whole number, found 1.5"},
        BadValue{R"({"s": 12})", "property \"S\": expected a text, found 12"},
        BadValue{R"({"f": "Arial"})", "property \"F\": expected a font object"},
        BadValue{R"({"f": {"size": "big"}})", "property \"F.Size\": expected a number"},
        BadValue{R"({"f": {"size": 0}})", "property \"F.size\": a font size must lie between"},
        BadValue{R"({"p": "../../etc/passwd"})", "property \"P\": a picture must be a path inside the resources folder"},
        BadValue{R"({"m": "1.23456"})", "property \"M\": expected a number with at most four decimals"},
        BadValue{R"({"b": "maybe"})", "property \"B\": expected True or False"}));

TEST(Currency, TextAndRoundingKeepFourDecimalsExactly)
{
    struct Case {
        const char* text;
        int64_t scaled;
        const char* back;
    } cases[] = {{"0", 0, "0"}, {"12.5", 125000, "12.5"}, {"-0.0001", -1, "-0.0001"}, {"+3.1400", 31400, "3.14"},
        {"922337203685477.5807", 9223372036854775807, "922337203685477.5807"}};
    for (const auto& c : cases) {
        auto v = Currency::parse(c.text);
        ASSERT_TRUE(v) << c.text;
        EXPECT_EQ(v->scaled, c.scaled) << c.text;
        EXPECT_EQ(v->toString(), c.back) << c.text;
    }
    for (const char* bad : {"", "-", ".", "1.23456", "1e5", "abc", "1,5", "9999999999999999"})
        EXPECT_FALSE(Currency::parse(bad)) << bad;
    EXPECT_EQ(Currency::fromDouble(12.34567).scaled, 123457);
    EXPECT_EQ(Currency::fromDouble(-0.5).scaled, -5000);
}

} // namespace plat::forms
