#include "platform/gfx/fixed_face.h"
#include "platform/gfx/text_layout.h"
#include "platform/system/utf8.h"

#include <gtest/gtest.h>

using namespace plat::gfx;
using plat::sys::decodeUtf8;
using plat::sys::encodeUtf8;

namespace {

// 8 pixels a character (16 for Chinese), lines 13 high.
const Font kFixed = fixedFont({8, 10, 3});

std::vector<std::string> texts(const TextLayout& layout)
{
    std::vector<std::string> out;
    for (const auto& l : layout.lines)
        out.push_back(encodeUtf8(l.text));
    return out;
}

} // namespace

TEST(DrawTextLayout, AlignmentPlacesTheLine)
{
    struct Case {
        unsigned format;
        Point origin;
    } cases[] = {
        {DT_LEFT, {0, 0}},
        {DT_CENTER, {38, 0}},
        {DT_RIGHT, {76, 0}},
        {DT_SINGLELINE | DT_VCENTER, {0, 18}},
        {DT_SINGLELINE | DT_VCENTER | DT_CENTER, {38, 18}},
        {DT_SINGLELINE | DT_BOTTOM | DT_RIGHT, {76, 37}},
        {DT_VCENTER, {0, 0}}, // vertical centring needs a single line
    };
    for (const auto& c : cases) {
        TextLayout layout = layoutText(kFixed, "abc", {0, 0, 100, 50}, c.format);
        ASSERT_EQ(layout.lines.size(), 1u);
        EXPECT_EQ(layout.lines[0].origin, c.origin) << c.format;
        EXPECT_EQ(layout.lines[0].width, 24);
    }
}

TEST(DrawTextLayout, LineBreaksAndCalcRect)
{
    struct Case {
        const char* text;
        unsigned format;
        Rect in;
        std::vector<std::string> lines;
        Rect calc;
        int height;
    } cases[] = {
        {"ab\r\nabcd", 0, {10, 20, 10, 20}, {"ab", "abcd"}, {10, 20, 42, 46}, 26},
        {"a\rbb\nc\n\rd", 0, {0, 0, 50, 50}, {"a", "bb", "c", "", "d"}, {0, 0, 16, 65}, 65},
        {"ab\r\ncd", DT_SINGLELINE, {0, 0, 50, 50}, {"abcd"}, {0, 0, 32, 13}, 13},
        {"aaa bbb ccc", DT_WORDBREAK, {0, 0, 60, 0}, {"aaa bbb", "ccc"}, {0, 0, 56, 26}, 26},
        {"aaa   bbb", DT_WORDBREAK, {0, 0, 40, 0}, {"aaa", "bbb"}, {0, 0, 24, 26}, 26},
        {"abcdefghij", DT_WORDBREAK, {0, 0, 40, 0}, {"abcde", "fghij"}, {0, 0, 40, 26}, 26},
        {"开始比赛", DT_WORDBREAK, {0, 0, 40, 0}, {"开始", "比赛"}, {0, 0, 32, 26}, 26},
        {"aaa bbb\r\nc", DT_WORDBREAK, {0, 0, 40, 0}, {"aaa", "bbb", "c"}, {0, 0, 24, 39}, 39},
        {"", 0, {5, 5, 50, 50}, {}, {5, 5, 5, 5}, 0},
    };
    for (const auto& c : cases) {
        TextLayout layout = layoutText(kFixed, c.text, c.in, c.format | DT_CALCRECT);
        EXPECT_EQ(texts(layout), c.lines) << c.text;
        EXPECT_EQ(layout.bounds, c.calc) << c.text;
        EXPECT_EQ(layout.height, c.height) << c.text;
    }
}

TEST(DrawTextLayout, PrefixRules)
{
    struct Case {
        const char* text;
        unsigned format;
        const char* shown;
        std::vector<bool> underlined;
    } cases[] = {
        {"E&xit", 0, "Exit", {false, true, false, false}},
        {"a&&b", 0, "a&b", {false, false, false}},
        {"a&&b", DT_NOPREFIX, "a&&b", {false, false, false, false}},
        {"E&xit", DT_NOPREFIX, "E&xit", {false, false, false, false, false}},
        {"end&", 0, "end", {false, false, false}},
        {"&&&x", 0, "&x", {false, true}},
        {"E&xit", DT_HIDEPREFIX, "Exit", {false, false, false, false}},
    };
    for (const auto& c : cases) {
        TextLayout layout = layoutText(kFixed, c.text, {0, 0, 100, 20}, c.format);
        ASSERT_EQ(layout.lines.size(), 1u) << c.text;
        EXPECT_EQ(encodeUtf8(layout.lines[0].text), c.shown) << c.text;
        EXPECT_EQ(layout.lines[0].mnemonic, c.underlined) << c.text;
        EXPECT_EQ(layout.lines[0].width, 8 * int(c.underlined.size())) << c.text;
    }
}

TEST(DrawTextLayout, PrefixesAreResolvedBeforeMeasuring)
{
    TextLayout layout = layoutText(kFixed, "&&", {0, 0, 0, 0}, DT_CALCRECT);
    EXPECT_EQ(layout.bounds, (Rect{0, 0, 8, 13}));
    layout = layoutText(kFixed, "&&", {0, 0, 0, 0}, DT_CALCRECT | DT_NOPREFIX);
    EXPECT_EQ(layout.bounds, (Rect{0, 0, 16, 13}));
}

TEST(DrawTextLayout, TabsExpandToEightAverageCharacters)
{
    TextLayout layout = layoutText(kFixed, "a\tb", {0, 0, 200, 20}, DT_EXPANDTABS);
    EXPECT_EQ(layout.lines[0].width, 64 + 8);
}

TEST(TextMeasure, ExtentAndMultiLineSize)
{
    EXPECT_EQ(kFixed.textExtent("A"), (Size{8, 13}));
    EXPECT_EQ(kFixed.textExtent("中文"), (Size{32, 13}));
    EXPECT_EQ(kFixed.textSize("ab\r\nabcd\r\nc"), (Size{32, 39}));
    EXPECT_EQ(kFixed.textExtent(""), (Size{0, 13}));
}

TEST(Utf8, DecodesAndReplacesMalformedBytes)
{
    EXPECT_EQ(decodeUtf8("a开"), (std::u32string{U'a', U'开'}));
    EXPECT_EQ(decodeUtf8("\xE5\xBC"), (std::u32string{0xFFFD, 0xFFFD}));
    EXPECT_EQ(decodeUtf8("\xC0\x80"), (std::u32string{0xFFFD, 0xFFFD})); // overlong
    EXPECT_EQ(encodeUtf8(decodeUtf8("比赛时间:𠮷")), "比赛时间:𠮷");
}
