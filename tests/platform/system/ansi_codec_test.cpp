#include "platform/system/ansi_codec.h"

#include <gtest/gtest.h>

using namespace plat::sys;

TEST(AnsiCodec, ChineseTextEncodesAsGbkBytes)
{
    EXPECT_EQ(encodeAnsi("篮球社团A队"), "\xC0\xBA\xC7\xF2\xC9\xE7\xCD\xC5\x41\xB6\xD3");
    EXPECT_EQ(decodeAnsi("\xC0\xBA\xC7\xF2\xC9\xE7\xCD\xC5\x41\xB6\xD3"), "篮球社团A队");
}

TEST(AnsiCodec, AsciiPassesUnchanged)
{
    std::string ascii = "allname=2026Mirelda\r\n";
    EXPECT_EQ(encodeAnsi(ascii), ascii);
    EXPECT_EQ(decodeAnsi(ascii), ascii);
}

TEST(AnsiCodec, CharacterOutsideGbkIsWrittenInGb18030AndReadBack)
{
    // U+20BB7 has no GBK code; GB18030 gives it four bytes.
    std::string text = "队\xF0\xA0\xAE\xB7名";
    std::string bytes = encodeAnsi(text);
    EXPECT_EQ(bytes, "\xB6\xD3\x95\x34\xB2\x35\xC3\xFB");
    EXPECT_EQ(decodeAnsi(bytes), text);
}

TEST(AnsiCodec, GbkOnlyByteValuesDecode)
{
    // glibc's GBK writes the euro sign as 0x80, which GB18030 does not read.
    EXPECT_EQ(decodeAnsi(encodeAnsi("5€")), "5€");
}

TEST(AnsiCodec, BrokenBytesAreMarkedNotDropped)
{
    EXPECT_EQ(decodeAnsi("a\xFF" "b"), "a\xEF\xBF\xBD" "b");
    EXPECT_EQ(decodeAnsi("a\xC0"), "a\xEF\xBF\xBD"); // a lead byte cut off at the end
    EXPECT_EQ(encodeAnsi("a\xC3" "b"), "a?b");       // not UTF-8
}
