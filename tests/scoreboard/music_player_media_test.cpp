// The music player on the scoreboard's own media player, playing a real MP3. GStreamer plays in
// real time: its progress is waited for by bounded polling; the player's ticks come from the
// virtual clock.
#include "board_fixture.h"

#include "scoreboard/music_player.h"

#include "controls/core/qel_check.h"
#include "controls/core/qel_label.h"
#include "platform/forms/label.h"
#include "platform/forms/list_box.h"
#include "platform/forms/timer.h"
#include "platform/media/alpha_image.h"
#include "tests/support/wait_until.h"

#include <chrono>
#include <fstream>
#include <iterator>

namespace scoreboard::test {
namespace {

// The media player plays in real time.
template<class Condition>
bool waitFor(Condition condition)
{
    return test_support::waitUntil(condition, test_support::kGenerousDeadline, std::chrono::milliseconds(2));
}

class MusicPlayerMediaTest : public BoardTest {
protected:
    void SetUp() override
    {
        // No sound card needed: the player plays into a silent sink at real pace.
        ::setenv("SDL_AUDIODRIVER", "dummy", 0);
        BoardTest::SetUp();
        std::filesystem::create_directories(path("music"));
        std::filesystem::copy_file(std::filesystem::path(SCOREBOARD_SOURCE_DIR) / "resources/test/tone.mp3", path("music/tone.mp3"));
        loadBoard();
        board->show();
        control<plat::forms::Control>("frameplay").setVisible(true);
        control<plat::forms::Control>("frameplay").zOrder(0);
        session->settle();
    }
    plat::media::MediaPlayer& wplay() { return board->wplay(); }
    std::string caption() { return control<plat::forms::Label>("playlab").caption(); }
    std::string timeText() { return control<qel::qelLabel>("qelmp3").Caption(); }
};

TEST_F(MusicPlayerMediaTest, TheTonePlaysToItsLastSecondAndTheListEnds)
{
    ASSERT_NE(board->music(), nullptr);
    EXPECT_EQ(user().currentMp3, "tone.mp3");
    clickOn(control<plat::media::AlphaImage>("a1", 1));
    EXPECT_EQ(wplay().playState(), plat::media::PlayStatePlaying);
    EXPECT_EQ(wplay().URL(), path("music/tone.mp3").string());
    EXPECT_EQ(caption(), "正在播放--tone");
    ASSERT_TRUE(waitFor([&] { return wplay().currentMedia.duration() > 0; }));
    const double length = wplay().currentMedia.duration();
    board->mp();
    EXPECT_EQ(timeText().substr(5), "/" + wplay().currentMedia.durationString());

    // Paused, the place holds; play goes on from it.
    ASSERT_TRUE(waitFor([&] { return wplay().controls.currentPosition() > 0.1; }));
    clickOn(control<plat::media::AlphaImage>("a1", 2));
    EXPECT_EQ(wplay().playState(), plat::media::PlayStatePaused);
    EXPECT_EQ(caption(), "暂停播放--tone");
    const double held = wplay().controls.currentPosition();
    clickOn(control<plat::media::AlphaImage>("a1", 1));
    EXPECT_EQ(wplay().playState(), plat::media::PlayStatePlaying);
    EXPECT_GE(wplay().controls.currentPosition(), held - 0.05);

    // The tick in the last second moves on: there is no next track, so the music stops.
    ASSERT_TRUE(waitFor([&] { return wplay().controls.currentPosition() >= std::max(length - 1, 0.2); }));
    ASSERT_EQ(wplay().playState(), plat::media::PlayStatePlaying);
    session->advance(1000);
    EXPECT_EQ(wplay().URL(), "");
    EXPECT_EQ(wplay().playState(), plat::media::PlayStateStopped);
    EXPECT_EQ(user().currentMp3, "");
    EXPECT_EQ(caption(), "篮球比赛播放器");
    EXPECT_EQ(timeText(), "00:00/00:00");
}

// Files that do not play as music: an empty one and one of noise are told and skipped; one cut
// short (its header still gives the whole length) ends where its sound does and the next follows.
TEST_F(MusicPlayerMediaTest, AFileThatDoesNotPlayIsToldAndOneCutShortEnds)
{
    std::string tone;
    {
        std::ifstream in(path("music/tone.mp3"), std::ios::binary);
        tone.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    std::string noise(20000, '\0');
    for (size_t i = 0; i < noise.size(); ++i)
        noise[i] = char((i * 7919 + 13) % 251);
    // The first fifth of the tone, its header marked as a variable-rate one whose frame count
    // gives the length, as an encoder writes it: the length of the whole tone.
    std::string cutShort = tone.substr(0, tone.size() / 5);
    const size_t info = cutShort.find("Info");
    ASSERT_NE(info, std::string::npos);
    cutShort.replace(info, 8, std::string("Xing\0\0\0\x01", 8)); // the frame count only
    const struct {
        const char* file;
        std::string bytes;
        bool told;
    } rows[] = {{"empty.mp3", "", true}, {"noise.mp3", noise, true}, {"cut.mp3", cutShort, false}};
    auto& entries = control<plat::forms::ListBox>("mp3list");
    for (const auto& row : rows) {
        SCOPED_TRACE(row.file);
        // The file beside the tone, alone, so that what follows it is known.
        writeBytes(path("music") / row.file, row.bytes);
        board->mp3new();
        ASSERT_EQ(entries.listCount(), 2);
        const int entry = entries.list(0) == row.file ? 0 : 1;
        const std::string after = entry == 0 ? entries.list(1) : "";
        user().noticeText.clear();
        entries.setListIndex(entry);
        user().currentMp3 = row.file;
        clickOn(control<plat::media::AlphaImage>("a1", 1));
        if (!row.told) {
            ASSERT_TRUE(waitFor([&] { return wplay().currentMedia.duration() > 2; })) << "the header gives the whole length";
            EXPECT_EQ(caption(), "正在播放--cut");
        }
        // GStreamer tells in its own time; the player's ticks come from the virtual clock.
        for (int tick = 0; tick < 10 && user().currentMp3 == row.file; ++tick) {
            waitFor([&] { return wplay().URL().empty() || wplay().mediaFailed() || wplay().endedEarly(); });
            session->advance(1000);
        }
        EXPECT_EQ(user().noticeText, row.told ? "无法播放该音乐文件--" + std::string(row.file) : "");
        EXPECT_EQ(user().currentMp3, after);
        EXPECT_EQ(caption(), after.empty() ? "篮球比赛播放器" : "正在播放--" + std::filesystem::path(after).stem().string());
        clickOn(control<plat::media::AlphaImage>("a1", 4));
        std::filesystem::remove(path("music") / row.file);
    }
}

TEST_F(MusicPlayerMediaTest, VolumeAndMuteReachThePlayer)
{
    auto& bar = control<plat::forms::Label>("mvul");
    const plat::gfx::Rect r = session->windows().screenRect(bar.hwnd());
    session->click(r.left + int((bar.width() - 45) / 15), r.top + r.height() / 2);
    session->settle();
    EXPECT_EQ(wplay().settings.volume(), 100);
    clickOn(control<qel::qelCheck>("mute1"));
    EXPECT_TRUE(wplay().settings.mute());
}

TEST_F(MusicPlayerMediaTest, ThePublicProceduresReloadTheListAndPlayTheChosenTrack)
{
    std::filesystem::copy_file(path("music/tone.mp3"), path("music/again.mp3"));
    board->mp3new();
    auto& list = control<plat::forms::ListBox>("mp3list");
    ASSERT_EQ(list.listCount(), 2);
    EXPECT_EQ(list.list(0), "again.mp3");
    // The chosen track stays chosen and nothing is loaded by the reload.
    EXPECT_EQ(user().currentMp3, "tone.mp3");
    EXPECT_EQ(list.listIndex(), 1);
    EXPECT_EQ(wplay().URL(), "");

    user().currentMp3 = "again.mp3";
    board->mp3onplay();
    EXPECT_EQ(wplay().URL(), path("music/again.mp3").string());
    EXPECT_EQ(wplay().playState(), plat::media::PlayStatePlaying);
    EXPECT_EQ(list.listIndex(), 0);
    EXPECT_EQ(caption(), "正在播放--again");
}

TEST_F(MusicPlayerMediaTest, TheMusicIndicatorBlinksWhileTheMusicPlays)
{
    auto& indicator = control<plat::media::AlphaImage>("im2");
    session->advance(1000);
    EXPECT_TRUE(indicator.visible());
    EXPECT_EQ(indicator.toolTipText(), "");
    clickOn(control<plat::media::AlphaImage>("a1", 1));
    ASSERT_EQ(wplay().playState(), plat::media::PlayStatePlaying);
    std::vector<bool> shown;
    for (int i = 0; i < 4; ++i) {
        session->advance(1000);
        shown.push_back(indicator.visible());
    }
    EXPECT_EQ(shown, (std::vector<bool>{false, true, false, true}));
    EXPECT_EQ(indicator.toolTipText(), "正在音乐中....");
    clickOn(control<plat::media::AlphaImage>("a1", 2));
    session->advance(1000);
    EXPECT_TRUE(indicator.visible());
    EXPECT_EQ(indicator.toolTipText(), "");
}

TEST_F(MusicPlayerMediaTest, TheListHoldsTheFocusKeeperOffWhileItHasTheFocus)
{
    auto& keeper = control<plat::forms::Timer>("Timer6");
    ASSERT_TRUE(keeper.enabled());
    auto& list = control<plat::forms::ListBox>("mp3list");
    list.setFocus();
    session->settle();
    EXPECT_FALSE(keeper.enabled());
    control<plat::forms::Control>("ok").setFocus();
    session->settle();
    EXPECT_TRUE(keeper.enabled());
}

} // namespace
} // namespace scoreboard::test
