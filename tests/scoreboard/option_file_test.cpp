#include "program_folder_fixture.h"
#include "recording_view.h"

#include "scoreboard/default_files.h"
#include "scoreboard/option_file.h"

#include "platform/system/file_replace.h"

namespace scoreboard::test {
namespace {

using OptionFileTest = ProgramFolderTest;

// The eight switches as a text of 0 and 1, position 0 first.
std::string switches()
{
    std::string bits;
    for (size_t position = 0; position < 8; ++position)
        bits += optionSwitch(user(), position) ? '1' : '0';
    return bits;
}

TEST_F(OptionFileTest, SwitchesByPosition)
{
    struct Case {
        const char* name;
        std::string bytes;
        std::string expected;
    };
    const std::vector<Case> cases{
        {"the first-run file; the eighth switch has no line and is on",
            "sond10=False\r\nclosesoud=False\r\nballnumsound=True\r\nkeynum=True\r\ncommnum=True\r\n"
            "closemusic=False\r\nnumback=True\r\n",
            "00111011"},
        {"everything saved off",
            "sond10=False\r\nclosesoud=False\r\nballnumsound=False\r\nkeynum=False\r\ncommnum=False\r\n"
            "closemusic=False\r\nnumback=False\r\nvideclose=False\r\n",
            "00000000"},
        {"everything saved on",
            "sond10=True\r\nclosesoud=True\r\nballnumsound=True\r\nkeynum=True\r\ncommnum=True\r\n"
            "closemusic=True\r\nnumback=True\r\nvideclose=True\r\n",
            "11111111"},
        {"letter case and blanks count as on; closemusic in another case as off",
            "Sond10=False\r\nclosesoud = False\r\nballnumsound=True\r\nkeynum=True\r\ncommnum=True\r\n"
            "closemusic=true\r\n",
            "11111011"},
        {"a file of one empty line", "\r\n", "11111011"},
        {"an empty file", "", "11111011"},
        {"read by position, whatever key a line names", "closemusic=False\r\nsond10=False\r\n", "11111011"},
        {"more than eight values: the rest is ignored",
            "sond10=False\r\nclosesoud=False\r\nballnumsound=False\r\nkeynum=False\r\ncommnum=False\r\n"
            "closemusic=False\r\nnumback=False\r\nvideclose=False\r\nsond10=True\r\n",
            "00000000"},
        {"a comma ends a value", "sond10=False,closesoud=False\r\n", "00111011"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        user() = MatchState{};
        writeBytes(path("date/system.db"), c.bytes);
        readOptionFile();
        EXPECT_EQ(switches(), c.expected);
    }
}

TEST_F(OptionFileTest, MissingFileReadsAsNoLines)
{
    readOptionFile();
    EXPECT_EQ(switches(), "11111011");
    EXPECT_TRUE(tree().empty());
}

TEST_F(OptionFileTest, CommandBarAndBacklightFollowTheirSwitches)
{
    RecordingView view;
    setScoreboardView(&view);
    std::filesystem::create_directory(path("date"));
    ASSERT_TRUE(plat::sys::replaceTextFile(path("date/system.db"), defaultSystemLines()));
    readOptionFile();
    writeBytes(path("date/system.db"), "a\r\nb\r\nc\r\nd\r\ncommnum=False\r\nf\r\nnumback=False\r\n");
    readOptionFile();
    EXPECT_EQ(view.calls, (std::vector<std::string>{"ShowCommandBar", "show backw", "HideCommandBar", "hide backw"}));
}

} // namespace
} // namespace scoreboard::test
