#include "platform/system/text_reader.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>
#include <vector>

using namespace plat::sys;

namespace {

std::vector<std::string> allValues(std::string text)
{
    TextReader reader = TextReader::fromText(std::move(text));
    std::vector<std::string> values;
    while (auto value = reader.readValue())
        values.push_back(*value);
    return values;
}

std::vector<std::string> allLines(std::string text) { return TextReader::fromText(std::move(text)).readAllLines(); }

using Strings = std::vector<std::string>;

} // namespace

TEST(TextReader, LineInputEndsAtCrLfCrOrLf)
{
    struct Case {
        const char* text;
        Strings lines;
    } cases[] = {
        { "a\r\nb\r\n", { "a", "b" } },
        { "a\rb\r", { "a", "b" } },
        { "a\r\nb", { "a", "b" } },      // the last line needs no line end
        { "a\nb\r\n", { "a", "b" } },      // a line feed alone ends a line too
        { "a\nb\n", { "a", "b" } },
        { "a\n\nb", { "a", "", "b" } },
        { "a\n\rb", { "a", "", "b" } },  // LF then CR: two line ends
        { "a\r\n\nb", { "a", "", "b" } },
        { "a\r\n\r\nb\r\n", { "a", "", "b" } },
        { "a\r\r\nb", { "a", "", "b" } },
        { "\r\n", { "" } },
        { "", {} },
        { "x=1=2\r\n", { "x=1=2" } },     // taken whole, no trimming
        { "  padded  \r\n", { "  padded  " } },
    };
    for (const auto& c : cases)
        EXPECT_EQ(allLines(c.text), c.lines) << testing::PrintToString(std::string(c.text));
}

TEST(TextReader, ListInputTable)
{
    struct Case {
        const char* text;
        Strings values;
    } cases[] = {
        { "1920\r\n1080\r\n", { "1920", "1080" } },
        { "a,b,c\r\n", { "a", "b", "c" } },
        { "  a,   b\r\n", { "a", "b" } },                // leading blanks skipped
        { "a  ,b\t\r\n", { "a", "b" } },                 // trailing blanks of a bare value dropped
        { "\"a,b\",c\r\n", { "a,b", "c" } },             // a quoted value keeps its commas
        { "\"  spaced  \"\r\n", { "  spaced  " } },
        { "\"x\"junk,y\r\n", { "x", "y" } },             // after the closing quote up to the delimiter
        { "a,,b\r\n", { "a", "", "b" } },                // empty value between commas
        { "a,\r\nb\r\n", { "a", "", "b" } },             // comma before the line end
        { ",a\r\n", { "", "a" } },
        { "a\r\n\r\nb\r\n", { "a", "", "b" } },          // an empty line is one empty value
        { "\"\",b\r\n", { "", "b" } },
        { "\"open,quote\r\nnext\r\n", { "open,quote", "next" } }, // an unclosed quote ends with its line
        { "a\nb\r\n", { "a", "b" } },                    // list input also ends a value at LF
        { "sond10=False\r\nkeynum=True\r\n", { "sond10=False", "keynum=True" } },
        { "张三,5\r\n李四,23", { "张三", "5", "李四", "23" } },
        { "", {} },
    };
    for (const auto& c : cases)
        EXPECT_EQ(allValues(c.text), c.values) << testing::PrintToString(std::string(c.text));
}

TEST(TextReader, EndOfFileFollowsTheSharedPosition)
{
    TextReader reader = TextReader::fromText("a,b\r\nlast line\r\n");
    EXPECT_FALSE(reader.atEnd());
    EXPECT_EQ(reader.readValue(), "a");
    EXPECT_FALSE(reader.atEnd());
    EXPECT_EQ(reader.readLine(), "b"); // line input goes on from where list input stopped
    EXPECT_EQ(reader.readLine(), "last line");
    EXPECT_TRUE(reader.atEnd());
    EXPECT_EQ(reader.readLine(), std::nullopt);
    EXPECT_EQ(reader.readValue(), std::nullopt);
}

TEST(TextReader, OpensAnsiFileAndDecodes)
{
    TempFolder folder;
    writeBytes(folder / "team.ini", "\xC0\xBA\xC7\xF2,7\r\n");
    auto reader = TextReader::open(folder / "team.ini");
    ASSERT_TRUE(reader);
    EXPECT_EQ(reader->readValue(), "篮球");
    EXPECT_EQ(reader->readValue(), "7");
    EXPECT_TRUE(reader->atEnd());
}

TEST(TextReader, MissingFileOrFolderDoesNotOpen)
{
    TempFolder folder;
    EXPECT_FALSE(TextReader::open(folder / "missing.db"));
    EXPECT_FALSE(TextReader::open(folder.path()));
}

TEST(TextReader, EmptyFileIsAtEndAtOnce)
{
    TempFolder folder;
    writeBytes(folder / "empty.db", "");
    auto reader = TextReader::open(folder / "empty.db");
    ASSERT_TRUE(reader);
    EXPECT_TRUE(reader->atEnd());
}
