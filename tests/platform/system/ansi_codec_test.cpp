#include "platform/system/ansi_codec.h"
#include "platform/system/text_functions.h"

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

TEST(AnsiCodec, BytesThatCannotBeReadAreKeptThroughARewrite)
{
    struct Case {
        const char* what;
        std::string bytes;
        std::string text;
    } cases[] = {
        {"a byte no code page has", "a\xFF" "b", "a\xED\xB3\xBF" "b"},
        {"a lead byte cut off at the end", "a\xC0", "a\xED\xB3\x80"},
        {"a lead byte before a line end", "\xC0\r\n", "\xED\xB3\x80\r\n"},
        {"a four-byte sequence cut short", "\x81\x30\x81", "\xED\xB2\x81" "0\xED\xB2\x81"},
        {"between Chinese", "\xC0\xBA\xFF\xC7\xF2", "篮\xED\xB3\xBF球"},
        {"every high byte alone", "\x80\xFF", "€\xED\xB3\xBF"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(decodeAnsi(c.bytes), c.text) << c.what;
        EXPECT_EQ(encodeAnsi(decodeAnsi(c.bytes)), c.bytes) << c.what;
    }
    // Every byte from 0x80 up, alone between ASCII, comes back as it was.
    for (int b = 0x80; b <= 0xFF; ++b) {
        const std::string bytes = std::string("x") + char(b) + " ";
        EXPECT_EQ(encodeAnsi(decodeAnsi(bytes)), bytes) << b;
    }
}

TEST(AnsiCodec, AByteKeptCountsAsOneCharacter)
{
    const std::string text = decodeAnsi("a\xFF\xFE");
    EXPECT_EQ(textLength(text), 3u);
    EXPECT_EQ(leftText(text, 2), "a\xED\xB3\xBF");
    EXPECT_EQ(encodeAnsi(rightText(text, 1)), "\xFE");
    EXPECT_EQ(ansiWidth(text), 5u);
}

TEST(AnsiCodec, TextThatIsNotUtf8BecomesAQuestionMark)
{
    EXPECT_EQ(encodeAnsi("a\xC3" "b"), "a?b");
    EXPECT_EQ(encodeAnsi("a\xED\xA0\x80" "b"), "a???b") << "a surrogate that is no mark of a byte";
    EXPECT_EQ(encodeAnsi("\xED\xB2"), "??") << "a mark cut short";
}

TEST(AnsiCodec, APrefixForAFieldOfTheCodePageEndsBetweenCharacters)
{
    auto times = [](int n, const std::string& s) {
        std::string r;
        for (int i = 0; i < n; ++i)
            r += s;
        return r;
    };
    const struct {
        std::string text;
        size_t bytes;
        std::string prefix;
    } cases[] = {
        {times(70, "中"), 127, times(63, "中")},
        {"a" + times(70, "中"), 127, "a" + times(63, "中")},
        {times(130, "a"), 127, times(127, "a")},
        {times(62, "中") + "😀", 127, times(62, "中")}, // four bytes in the code page
        {times(61, "中") + "😀", 127, times(61, "中") + "😀"},
        {"比分 Score", 127, "比分 Score"},
        {"中文", 3, "中"},
        {"中文", 1, ""},
        {"", 127, ""},
        {decodeAnsi("a\xFF\xFE"), 2, decodeAnsi("a\xFF")}, // a kept byte is one byte again
        {"a\xC3" "b", 2, "a\xC3"},                          // so is a byte that is not UTF-8
    };
    for (const auto& c : cases) {
        const std::string p = ansiPrefix(c.text, c.bytes);
        EXPECT_EQ(p, c.prefix) << c.text << " / " << c.bytes;
        EXPECT_LE(encodeAnsi(p).size(), c.bytes) << c.text;
    }
}
