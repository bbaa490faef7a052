#include "board_fixture.h"

#include "scoreboard/music_list_loader.h"

#include "controls/core/qel_label.h"
#include "platform/forms/list_box.h"
#include "platform/system/file_system.h"

namespace scoreboard::test {
namespace {

using plat::forms::ListBox;

class MusicListLoaderTest : public BoardTest {
protected:
    void SetUp() override
    {
        BoardTest::SetUp();
        loadBoard();
        list().clear();
    }
    ListBox& list() { return control<ListBox>("mp3list"); }
    std::string countText() { return control<qel::qelLabel>("mp3numlab").Caption(); }
    std::vector<std::string> entries()
    {
        std::vector<std::string> out;
        for (int i = 0; i < list().listCount(); ++i)
            out.push_back(list().list(i));
        return out;
    }
};

// The extension in any case, as the open dialog lists the files: what is copied is listed.
TEST_F(MusicListLoaderTest, NamesWithTheExtensionMp3InAnyCaseAreListed)
{
    for (const char* name : {"b.mp3", "a.mp3", "c.MP3", "D.Mp3", "d.wma", "e.mp3.txt", "fmp3", ".mp3x"})
        writeBytes(path("music") / name, "");
    LoadMusicList(musicFolderPath());
    EXPECT_EQ(entries(), (std::vector<std::string>{"D.Mp3", "a.mp3", "b.mp3", "c.MP3"}));
    EXPECT_EQ(countText(), "共:4首");
    // Nothing was chosen: the first entry is.
    EXPECT_EQ(user().currentMp3, "D.Mp3");
    EXPECT_EQ(list().listIndex(), 0);
}

TEST_F(MusicListLoaderTest, NamesThatAreNotUtf8AreShownInTheCodePageAndFoundByTheirBytes)
{
    const std::pair<std::string, std::string> files[] = {
        {"\xB1\xC8\xB7\xD6.mp3", "比分.mp3"}, // GBK bytes on disk
        {"篮球.mp3", "篮球.mp3"},
        {"a.mp3", "a.mp3"},
    };
    for (const auto& [bytes, shown] : files)
        writeBytes(path("music") / bytes, bytes);
    LoadMusicList(musicFolderPath());
    EXPECT_EQ(entries(), (std::vector<std::string>{"a.mp3", "比分.mp3", "篮球.mp3"}));
    for (const auto& [bytes, shown] : files)
        EXPECT_EQ(plat::sys::entryPath(musicFolderPath(), shown), musicFolderPath() / bytes) << shown;
}

TEST_F(MusicListLoaderTest, TheChosenTrackIsSelectedOrNothingWhenItIsGone)
{
    for (const char* name : {"a.mp3", "b.mp3"})
        writeBytes(path("music") / name, "");
    user().currentMp3 = "b.mp3";
    LoadMusicList(musicFolderPath());
    EXPECT_EQ(list().listIndex(), 1);

    list().clear();
    user().currentMp3 = "deleted.mp3";
    LoadMusicList(musicFolderPath());
    EXPECT_EQ(list().listIndex(), -1);
    EXPECT_EQ(user().currentMp3, "deleted.mp3");
    EXPECT_EQ(countText(), "共:2首");
}

TEST_F(MusicListLoaderTest, AnEmptyOrMissingFolderLeavesNoTrack)
{
    user().currentMp3 = "gone.mp3";
    std::filesystem::remove_all(path("music"));
    LoadMusicList(musicFolderPath());
    EXPECT_TRUE(std::filesystem::is_directory(path("music")));
    EXPECT_EQ(list().listCount(), 0);
    EXPECT_EQ(user().currentMp3, "");
    EXPECT_EQ(countText(), "共:0首");
}

TEST_F(MusicListLoaderTest, TheBoardsLoadFillsTheList)
{
    board->unload();
    writeBytes(path("music/theme.mp3"), "");
    user().currentMp3.clear();
    board->load();
    EXPECT_EQ(entries(), (std::vector<std::string>{"theme.mp3"}));
    EXPECT_EQ(user().currentMp3, "theme.mp3");
}

} // namespace
} // namespace scoreboard::test
