#include "program_folder_fixture.h"

#include "scoreboard/dosk.h"

#include "platform/system/display_modes_service.h"
#include "platform/system/recorded_display_modes.h"

#include <memory>

namespace scoreboard::test {
namespace {

using plat::sys::DisplaySize;
using plat::sys::RecordedDisplayModes;

class DisplayModeTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        auto modes = std::make_unique<RecordedDisplayModes>(DisplaySize{ 1024, 768 });
        display = modes.get();
        plat::sys::installDisplayModes(std::move(modes));
    }
    void TearDown() override
    {
        plat::sys::installDisplayModes(nullptr);
        ProgramFolderTest::TearDown();
    }

    RecordedDisplayModes* display = nullptr;
};

TEST_F(DisplayModeTest, SwitchesToAnOfferedSizeAndLeavesTheDisplayOtherwise)
{
    SetDisplayMode(1920, 1080);
    EXPECT_EQ(display->screenSize(), (DisplaySize{ 1920, 1080 }));
    SetDisplayMode(1024, 768);
    EXPECT_EQ(display->screenSize(), (DisplaySize{ 1024, 768 }));
    SetDisplayMode(1111, 333);
    EXPECT_EQ(display->screenSize(), (DisplaySize{ 1024, 768 }));
    EXPECT_EQ(display->changeRequests(), (std::vector<DisplaySize>{ { 1920, 1080 }, { 1024, 768 }, { 1111, 333 } }));
}

TEST_F(DisplayModeTest, SavedSizeOfTheLauncher)
{
    struct Case {
        std::string_view file;
        std::optional<DisplaySize> size;
    };
    const Case cases[] = {
        { "1920\r\n1080\r\n", DisplaySize{ 1920, 1080 } },
        { "1280\r\n1024", DisplaySize{ 1280, 1024 } },
        { "  1600 \r\n 900  \r\n", DisplaySize{ 1600, 900 } },
        { "1366,768\r\n", DisplaySize{ 1366, 768 } },
        { "1920.9\r\n1080.5\r\n", DisplaySize{ 1920, 1080 } },
        { "1920\r\n1080\r\nextra\r\n", DisplaySize{ 1920, 1080 } },
        { "", std::nullopt },
        { "1920\r\n", std::nullopt },
        { "0\r\n0\r\n", std::nullopt },
        { "1920\r\n0\r\n", std::nullopt },
        { "-1024\r\n768\r\n", std::nullopt },
        { "wide\r\n768\r\n", std::nullopt },
        { "40000\r\n768\r\n", std::nullopt },
        { "\r\n\r\n", std::nullopt },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.file));
        writeBytes(path("config.ini"), c.file);
        EXPECT_EQ(readSavedDisplayMode(), c.size);
    }
}

TEST_F(DisplayModeTest, RestoreAsksForTheSavedSizeOnly)
{
    EXPECT_FALSE(restoreSavedDisplayMode()); // no config.ini
    writeBytes(path("config.ini"), "0\r\n0\r\n");
    EXPECT_FALSE(restoreSavedDisplayMode());
    EXPECT_TRUE(display->changeRequests().empty());

    writeBytes(path("config.ini"), "1920\r\n1080\r\n");
    EXPECT_TRUE(restoreSavedDisplayMode());
    EXPECT_EQ(display->changeRequests(), (std::vector<DisplaySize>{ { 1920, 1080 } }));
    EXPECT_EQ(display->screenSize(), (DisplaySize{ 1920, 1080 }));
}

TEST(ParseMultiSelect, SplitsTheDialogText)
{
    using namespace std::string_literals;
    struct Case {
        std::string spec;
        std::string folder;
        std::vector<std::string> names;
    };
    const Case cases[] = {
        { "C:\\music\\a.mp3", "C:\\music\\", { "a.mp3" } },
        { "C:\\a.mp3", "C:\\", { "a.mp3" } },
        { "C:\\music\0a.mp3\0b.mp3\0c.mp3"s, "C:\\music\\", { "a.mp3", "b.mp3", "c.mp3" } },
        { "C:\\\0a.mp3\0b.mp3"s, "C:\\", { "a.mp3", "b.mp3" } },
        { "/home/op/music/a b.mp3", "/home/op/music/", { "a b.mp3" } },
        { "/home/op/music\0一.mp3\0二.mp3"s, "/home/op/music/", { "一.mp3", "二.mp3" } },
        // The NUL the music player appends.
        { "C:\\music\0a.mp3\0b.mp3\0"s, "C:\\music\\", { "a.mp3", "b.mp3", "" } },
        { "C:\\music\\a.mp3\0"s, "C:\\music\\", { "a.mp3\0"s } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.folder);
        const FileSelection s = ParseMultiSelect(c.spec);
        EXPECT_EQ(s.folder, c.folder);
        EXPECT_EQ(s.names, c.names);
    }
}

TEST(ParseMultiSelect, ABareNameLiesInTheCurrentFolder)
{
    const std::string current = std::filesystem::current_path().string();
    const FileSelection s = ParseMultiSelect("a.mp3");
    EXPECT_EQ(s.folder, current.back() == '/' ? current : current + "/");
    EXPECT_EQ(s.names, (std::vector<std::string>{ "a.mp3" }));
}

} // namespace
} // namespace scoreboard::test
