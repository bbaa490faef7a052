#include "platform/system/text_functions.h"

#include <gtest/gtest.h>

using namespace plat::sys;

TEST(TextFunctions, LengthCountsCharacters)
{
    EXPECT_EQ(textLength(""), 0u);
    EXPECT_EQ(textLength("abc"), 3u);
    EXPECT_EQ(textLength("篮球社团A队"), 6u);
    EXPECT_EQ(textLength("\xF0\xA0\xAE\xB7"), 1u); // outside the BMP: still one
    EXPECT_EQ(textLength("a\xFF" "b"), 3u);          // a broken byte counts as one
}

TEST(TextFunctions, LeftRightMidByCharacters)
{
    EXPECT_EQ(leftText("篮球社团A队", 2), "篮球");
    EXPECT_EQ(leftText("篮球", 5), "篮球");
    EXPECT_EQ(leftText("篮球", 0), "");
    EXPECT_EQ(rightText("篮球社团A队", 2), "A队");
    EXPECT_EQ(rightText("ab", 9), "ab");
    EXPECT_EQ(midText("篮球社团A队", 3, 2), "社团");
    EXPECT_EQ(midText("篮球社团A队", 5), "A队");
    EXPECT_EQ(midText("abc", 4), "");
    EXPECT_EQ(midText("abc", 9, 2), "");
    EXPECT_EQ(midText("abc", 2, 99), "bc");
    EXPECT_EQ(midText("abc", 0, 1), "a");
}

TEST(TextFunctions, TrimRemovesSpacesOnly)
{
    EXPECT_EQ(trimText("  篮球 队  "), "篮球 队");
    EXPECT_EQ(trimLeft("  a  "), "a  ");
    EXPECT_EQ(trimRight("  a  "), "  a");
    EXPECT_EQ(trimText("\ta\t"), "\ta\t");
    EXPECT_EQ(trimText("    "), "");
    EXPECT_EQ(trimText("　a　"), "　a　"); // the ideographic space stays
}

TEST(TextFunctions, AnsiWidthCountsTwoForEachNonAsciiCharacter)
{
    EXPECT_EQ(ansiWidth("ab篮球"), 6u);
    EXPECT_EQ(ansiWidth(""), 0u);
    EXPECT_EQ(ansiWidth("12:00"), 5u);
    EXPECT_EQ(ansiWidth("é"), 2u);
    EXPECT_EQ(ansiWidth("\xF0\xA0\xAE\xB7"), 2u);
}
