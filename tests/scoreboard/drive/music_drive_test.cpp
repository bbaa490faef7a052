// End-to-end checks of the music panel: ball-drive runs the whole program on a fresh program
// folder with a real MP3, from a script, and the test reads what the script printed and the
// files it left.
#include "built_program.h"

#include <algorithm>
#include <cstdlib>

namespace scoreboard::test {
namespace {

// The test MP3 of the source tree (ctest names the tree; a direct run finds it from here).
fs::path testTone()
{
    const char* tree = std::getenv("SCOREBOARD_SOURCE_DIR");
    const fs::path source = tree && *tree ? fs::path(tree) : fs::path(__FILE__).parent_path().parent_path().parent_path().parent_path();
    return source / "resources/test/tone.mp3";
}

constexpr const char* kMusicPanel = "wait 3100\nform main\nclick on1(2)\n";

class MusicDriveTest : public BuiltProgramTest {
protected:
    void SetUp() override
    {
        BuiltProgramTest::SetUp();
        fs::create_directories(home() / "music");
        fs::copy_file(testTone(), home() / "music/tone.mp3");
    }

    // Runs the script; what its show steps printed, or the error when it failed.
    std::string play(const std::string& script, bool realClock = false) const
    {
        const ProgramRun run = drive(script, realClock ? std::vector<std::string>{ "--real-clock" } : std::vector<std::string>{});
        EXPECT_TRUE(run.ended && run.status == 0) << run.err;
        return run.out;
    }
};

TEST_F(MusicDriveTest, TheListPlaysPausesStopsAndTakesTheVolume)
{
    const fs::path shot = scratch("music.png");
    const std::string out = play(std::string(kMusicPanel)
        + "show frameplay Visible\nshow mp3numlab Caption\n"
          "click a1(1)\nshow playlab Caption\nshow a1(1) Visible\nshow a1(2) Visible\n"
          "wait 1000\nshow mute1 Caption\n"
          "click a1(2)\nshow playlab Caption\nshow a1(1) Visible\n"
          "click a1(1)\nshow playlab Caption\n"
          "click a1(4)\nshow playlab Caption\nshow qelmp3 Caption\n"
          "click mvul\nshow mute1 Caption\n"
          "shot " + shot.string() + "\n");
    EXPECT_EQ(out,
        "frameplay.Visible=True\n"
        "mp3numlab.Caption=共:1首\n"
        "playlab.Caption=正在播放--tone\n"
        "a1(1).Visible=False\n"
        "a1(2).Visible=True\n"
        "mute1.Caption=静音 50\n"
        "playlab.Caption=暂停播放--tone\n"
        "a1(1).Visible=True\n"
        "playlab.Caption=正在播放--tone\n"
        "playlab.Caption=篮球比赛播放器\n"
        "qelmp3.Caption=00:00/00:00\n"
        // The middle of the bar: 900 of 1755 twips.
        "mute1.Caption=静音 51\n");
    EXPECT_GT(fs::file_size(shot), 1000u);
}

// Files copied from a Windows machine: names in GBK bytes and an upper-case extension. The open
// dialog shows and takes them, the copy lists them, and they play under their names: one copied
// in, and one that was in the music folder under its GBK bytes already (listed by its bytes,
// before the names in UTF-8). The copy panel goes a second after the copy.
TEST_F(MusicDriveTest, NamesInTheCodePageAndUpperCaseExtensionsAreAddedListedAndPlayed)
{
    fs::create_directories(home() / "incoming");
    fs::copy_file(testTone(), home() / "incoming/\xB1\xC8\xB7\xD6.mp3"); // 比分.mp3
    fs::copy_file(testTone(), home() / "incoming/ANTHEM.MP3");
    fs::copy_file(testTone(), home() / "music/\xC7\xF2.mp3"); // 球.mp3
    const std::string out = play(std::string(kMusicPanel)
        + "show mp3numlab Caption\n"
          "click mc(0)\nwait 100\ntype " + (home() / "incoming").string() + "\nkey Enter\nwait 100\n"
          "type \"ANTHEM.MP3\" \"比分.mp3\"\nkey Enter\nwait 3100\n"
          "show copylab Caption\nshow mp3numlab Caption\n"
          "click a1(3)\nshow playlab Caption\n"
          "click a1(3)\nshow playlab Caption\n"
          "click a1(0)\nclick a1(0)\nclick a1(0)\nshow playlab Caption\n");
    EXPECT_EQ(out,
        "mp3numlab.Caption=共:2首\n"
        "copylab.Caption=已经复制完闭！\n"
        "mp3numlab.Caption=共:4首\n"
        "playlab.Caption=正在播放--球\n"
        "playlab.Caption=正在播放--比分\n"
        "playlab.Caption=正在播放--ANTHEM\n");
    EXPECT_TRUE(fs::exists(home() / "music/ANTHEM.MP3"));
    EXPECT_TRUE(fs::exists(home() / "music/比分.mp3"));
}

// On the real clock, as the media player plays: the tone's last second is seen by the progress
// tick, which moves on; after the only track the music stops.
TEST_F(MusicDriveTest, OnTheRealClockTheTonePlaysToItsEnd)
{
    const std::string out = play(std::string(kMusicPanel)
        + "click a1(1)\nshow playlab Caption\n"
          "wait 3000\nshow playlab Caption\nshow qelmp3 Caption\nshow a1(1) Visible\n",
        true);
    EXPECT_EQ(out,
        "playlab.Caption=正在播放--tone\n"
        "playlab.Caption=篮球比赛播放器\n"
        "qelmp3.Caption=00:00/00:00\n"
        "a1(1).Visible=True\n");
}

TEST_F(MusicDriveTest, FilesAddedThroughTheOpenDialogAreCopiedIntoTheMusicFolder)
{
    const fs::path source = scratch("new songs");
    writeBytes(source / "a.mp3", "a");
    writeBytes(source / "bb.mp3", "bb");
    writeBytes(home() / "music/bb.mp3", "the old bb");
    const std::string out = play(std::string(kMusicPanel)
        + "click mc(0)\n"
          // Into the folder by its path, then both names.
          "type " + source.string() + "\nkey Enter\n"
          "type \"a.mp3\" \"bb.mp3\"\nkey Enter\n"
          "show mp3aframe Visible\nshow copylab Caption\n"
          "wait 2000\nshow copylab Caption\nshow mp3numlab Caption\n"
          "wait 1000\nshow mp3aframe Visible\n");
    EXPECT_EQ(out,
        "mp3aframe.Visible=True\n"
        "copylab.Caption=文件总数:2\n"
        "copylab.Caption=已经复制完闭！\n"
        "mp3numlab.Caption=共:3首\n"
        "mp3aframe.Visible=False\n");
    EXPECT_EQ(readBytes(home() / "music/a.mp3"), "a");
    EXPECT_EQ(readBytes(home() / "music/bb.mp3"), "bb") << "a file of the same name is replaced";
}

// A music folder that is a link to a folder elsewhere is not copied into: what lies there (a file
// of the same name as one added) stays as it was, nothing new is made there, and the panel tells
// the files as ones it could not write.
TEST_F(MusicDriveTest, NothingIsCopiedIntoALinkedMusicFolder)
{
    const fs::path source = scratch("new songs");
    writeBytes(source / "a.mp3", "a");
    writeBytes(source / "bb.mp3", "bb");
    const fs::path elsewhere = scratch("someone's music");
    fs::create_directories(elsewhere);
    fs::copy_file(home() / "music/tone.mp3", elsewhere / "tone.mp3");
    writeBytes(elsewhere / "bb.mp3", "their bb");
    fs::remove_all(home() / "music");
    fs::create_directory_symlink(elsewhere, home() / "music");
    const std::string out = play(std::string(kMusicPanel) + "click mc(0)\ntype " + source.string() + "\nkey Enter\n"
        + "type \"a.mp3\" \"bb.mp3\"\nkey Enter\nwait 3000\nshow copylab Caption\nshow mp3numlab Caption\n");
    EXPECT_EQ(out, "copylab.Caption=已经复制完闭！ 未复制(同一文件或无法读写): a.mp3 bb.mp3\nmp3numlab.Caption=共:2首\n")
        << "told as files that cannot be written";
    EXPECT_EQ(readBytes(elsewhere / "bb.mp3"), "their bb");
    EXPECT_FALSE(fs::exists(elsewhere / "a.mp3"));
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(elsewhere))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{ "bb.mp3", "tone.mp3" }));
}

// A typed name must be of the type the dialog offers, as the listed ones are: the operator is
// told and nothing is copied; a music file typed next time is taken.
TEST_F(MusicDriveTest, ATypedNameOfAnotherTypeIsRefused)
{
    const fs::path source = scratch("mixed");
    writeBytes(source / "hostname", "not music");
    writeBytes(source / "a.mp3", "a");
    const std::string out = play(std::string(kMusicPanel)
        + "click mc(0)\n"
          "type " + (source / "hostname").string() + "\nkey Enter\n"
          "key Enter\n" // the notice's OK
          "key Esc\n"
          "wait 3000\nshow mp3aframe Visible\nshow mp3numlab Caption\n"
          "click mc(0)\n"
          "type " + (source / "a.mp3").string() + "\nkey Enter\n"
          "wait 2000\nshow copylab Caption\nshow mp3numlab Caption\n");
    EXPECT_EQ(out, "mp3aframe.Visible=False\nmp3numlab.Caption=共:1首\n"
                   "copylab.Caption=已经复制完闭！\nmp3numlab.Caption=共:2首\n");
    EXPECT_EQ(readBytes(home() / "music/a.mp3"), "a");
    EXPECT_FALSE(fs::exists(home() / "music/hostname"));
}

} // namespace
} // namespace scoreboard::test
