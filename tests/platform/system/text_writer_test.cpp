#include "platform/system/text_reader.h"
#include "platform/system/text_writer.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

using namespace plat::sys;

TEST(TextWriter, ChineseLinesRoundTripAsGbkWithCrLf)
{
    TempFolder folder;
    auto path = folder / "config.db";
    {
        auto writer = TextWriter::open(path, TextWriter::Mode::Output);
        ASSERT_TRUE(writer);
        EXPECT_TRUE(writer->printLine("ballname1=篮球社团A队"));
        EXPECT_TRUE(writer->printLine("delalltime=720"));
        EXPECT_TRUE(writer->close());
    }
    EXPECT_EQ(readBytes(path), "ballname1=\xC0\xBA\xC7\xF2\xC9\xE7\xCD\xC5\x41\xB6\xD3\r\n"
                               "delalltime=720\r\n");
    auto reader = TextReader::open(path);
    ASSERT_TRUE(reader);
    EXPECT_EQ(reader->readAllLines(), (std::vector<std::string> { "ballname1=篮球社团A队", "delalltime=720" }));
}

TEST(TextWriter, OutputEmptiesAnExistingFile)
{
    TempFolder folder;
    auto path = folder / "system.db";
    writeBytes(path, "old content that is longer\r\n");
    auto writer = TextWriter::open(path, TextWriter::Mode::Output);
    ASSERT_TRUE(writer);
    writer->printLine("new");
    EXPECT_TRUE(writer->close());
    EXPECT_EQ(readBytes(path), "new\r\n");
}

TEST(TextWriter, AppendCreatesThenAddsAtTheEnd)
{
    TempFolder folder;
    auto path = folder / "balldate.db";
    for (const char* line : { "first", "second" }) {
        auto writer = TextWriter::open(path, TextWriter::Mode::Append);
        ASSERT_TRUE(writer);
        writer->printLine(line);
        EXPECT_TRUE(writer->close());
    }
    EXPECT_EQ(readBytes(path), "first\r\nsecond\r\n");
}

TEST(TextWriter, PrintWithoutLineEnd)
{
    TempFolder folder;
    auto path = folder / "a.txt";
    auto writer = TextWriter::open(path, TextWriter::Mode::Output);
    ASSERT_TRUE(writer);
    writer->print("球");
    writer->print("1");
    EXPECT_TRUE(writer->close());
    EXPECT_EQ(readBytes(path), "\xC7\xF2" "1");
}

TEST(TextWriter, OpenFailsWhereNoFileCanBe)
{
    TempFolder folder;
    EXPECT_FALSE(TextWriter::open(folder / "missing" / "x.db", TextWriter::Mode::Output));
    EXPECT_FALSE(TextWriter::open(folder.path(), TextWriter::Mode::Append));
}

TEST(TextWriter, FailedWriteIsReportedAndSticks)
{
    // /dev/full takes the open and refuses every write.
    auto writer = TextWriter::open("/dev/full", TextWriter::Mode::Append);
    if (!writer)
        GTEST_SKIP() << "no /dev/full";
    EXPECT_FALSE(writer->printLine("x"));
    EXPECT_TRUE(writer->failed());
    EXPECT_FALSE(writer->close());
}
