#include "../scoreboard/program_folder_fixture.h"

#include "dialogs/referee_list_file.h"

namespace dialogs::test {
namespace {

using scoreboard::test::ProgramFolderTest;

class RefereeListFileTest : public ProgramFolderTest {};

// GBK bytes of the names the tests use.
constexpr std::string_view kZhangSan = "\xD5\xC5\xC8\xFD"; // 张三
constexpr std::string_view kLiSi = "\xC0\xEE\xCB\xC4";     // 李四

TEST_F(RefereeListFileTest, LinesAreTrimmedAndBlankLinesSkipped)
{
    struct Case {
        const char* what;
        std::string bytes;
        std::vector<std::string> names;
    };
    const Case cases[] = {
        {"plain", std::string(kZhangSan) + "\r\n" + std::string(kLiSi) + "\r\n", {"张三", "李四"}},
        {"blank lines and padding", "\r\n   \r\n  " + std::string(kZhangSan) + "  \r\n\r\n" + std::string(kLiSi), {"张三", "李四"}},
        {"duplicates stay", std::string(kLiSi) + "\r\n" + std::string(kLiSi) + "\r\n", {"李四", "李四"}},
        {"bare line feeds of another editor", std::string(kZhangSan) + "\n " + std::string(kLiSi) + "\n\n", {"张三", "李四"}},
        {"latin names", "Smith\r\nO'Neil Jr\r\n", {"Smith", "O'Neil Jr"}},
        {"empty file", "", {}},
    };
    for (const Case& c : cases) {
        writeBytes(path("date/zailistname.db"), c.bytes);
        EXPECT_EQ(readRefereeList(), c.names) << c.what;
    }
}

TEST_F(RefereeListFileTest, AMissingFileIsCreatedEmptyWithItsFolder)
{
    EXPECT_TRUE(readRefereeList().empty());
    EXPECT_EQ(tree(), (std::vector<std::string>{"date/", "date/zailistname.db"}));
    EXPECT_EQ(readBytes(path("date/zailistname.db")), "");
}

TEST_F(RefereeListFileTest, WritingGivesOneGbkLinePerNameEndedByCrLf)
{
    ASSERT_TRUE(writeRefereeList({"张三", "李四", "Smith"}));
    EXPECT_EQ(readBytes(path("date/zailistname.db")), std::string(kZhangSan) + "\r\n" + std::string(kLiSi) + "\r\nSmith\r\n");
    ASSERT_TRUE(writeRefereeList({}));
    EXPECT_EQ(readBytes(path("date/zailistname.db")), "");
}

TEST_F(RefereeListFileTest, AFileThatCannotBeReplacedKeepsItsContentAndTellsSo)
{
    // A folder in the file's place: nothing can be renamed over it.
    std::filesystem::create_directories(path("date/zailistname.db"));
    EXPECT_FALSE(writeRefereeList({"张三"}));
    EXPECT_TRUE(std::filesystem::is_directory(path("date/zailistname.db")));
    EXPECT_TRUE(readRefereeList().empty());
}

} // namespace
} // namespace dialogs::test
