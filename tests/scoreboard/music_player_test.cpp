#include "music_player_fixture.h"

#include "controls/core/qel_check.h"
#include "platform/forms/line.h"
#include "platform/forms/timer.h"
#include <cmath>

namespace scoreboard::test {
namespace {

TEST_F(MusicPlayerTest, ThePanelListsTheMp3FilesAndTheMenuReloadsThem)
{
    start({{"b.mp3", 5}, {"a.mp3", 5}});
    writeBytes(path("music/c.MP3"), "");
    EXPECT_EQ(list().listCount(), 2);
    EXPECT_EQ(list().list(0), "a.mp3");
    EXPECT_EQ(list().listIndex(), 0);
    EXPECT_EQ(user().currentMp3, "a.mp3");
    EXPECT_EQ(control<qel::qelLabel>("mp3numlab").Caption(), "共:2首");

    writeBytes(path("music/d.mp3"), "");
    clickOn(control<qel::qelLabel>("mc", 2)); // 刷新
    EXPECT_EQ(list().listCount(), 4) << "c.MP3 written after the load, and d.mp3";
    EXPECT_EQ(list().list(2), "c.MP3");
    EXPECT_EQ(list().list(3), "d.mp3");
    EXPECT_EQ(control<qel::qelLabel>("mp3numlab").Caption(), "共:4首");
    // Reloading selects the track but loads nothing.
    EXPECT_EQ(list().listIndex(), 0);
    EXPECT_EQ(fake->setURLCount, 0);
}

TEST_F(MusicPlayerTest, ATrackPlaysToItsEndAndTheNextFollowsUntilTheListEnds)
{
    start({{"a.mp3", 5}, {"b.mp3", 3}});
    EXPECT_TRUE(button(1).visible());
    EXPECT_FALSE(button(2).visible());
    clickOn(button(1));
    EXPECT_EQ(fake->playState(), 3);
    EXPECT_EQ(loaded(), "a.mp3");
    EXPECT_EQ(caption(), "正在播放--a");
    EXPECT_EQ(timeText(), "00:00/00:05");
    EXPECT_FALSE(button(1).visible());
    EXPECT_TRUE(button(2).visible());
    EXPECT_TRUE(progressRuns());

    const double trackLeft = control<forms::Label>("lens").left();
    const double trackWidth = control<forms::Label>("lens").width();
    session->advance(1000);
    EXPECT_EQ(timeText(), "00:01/00:05");
    EXPECT_DOUBLE_EQ(progressEnd(), trackLeft + std::floor(trackWidth / 5));
    session->advance(2000);
    EXPECT_EQ(timeText(), "00:03/00:05");
    EXPECT_EQ(loaded(), "a.mp3");
    // The tick in the last second moves on.
    session->advance(1000);
    EXPECT_EQ(loaded(), "b.mp3");
    EXPECT_EQ(fake->playState(), 3);
    EXPECT_EQ(user().currentMp3, "b.mp3");
    EXPECT_EQ(list().listIndex(), 1);
    EXPECT_EQ(caption(), "正在播放--b");
    EXPECT_EQ(timeText(), "00:00/00:03");

    // After the last track there is none: the music stops.
    session->advance(2000);
    EXPECT_EQ(fake->playState(), 1);
    EXPECT_EQ(fake->URL(), "");
    EXPECT_EQ(user().currentMp3, "");
    EXPECT_EQ(list().listIndex(), -1);
    EXPECT_EQ(caption(), "篮球比赛播放器");
    EXPECT_EQ(timeText(), "00:00/00:00");
    EXPECT_TRUE(button(1).visible());
    EXPECT_FALSE(progressRuns());
    // Play then does nothing until an entry is chosen.
    clickOn(button(1));
    EXPECT_EQ(fake->playState(), 1);
}

TEST_F(MusicPlayerTest, ATrackWhoseLastSecondNoTickSawStaysStopped)
{
    start({{"a.mp3", 5}, {"b.mp3", 5}});
    clickOn(button(1));
    session->advance(2000);
    // A press at 80 % of the track seeks to second 4: the next tick comes after its end.
    clickAt(control<forms::Label>("lens"), int(control<forms::Label>("lens").width() / 15 * 0.8) + 1);
    EXPECT_DOUBLE_EQ(fake->currentPosition(), 4);
    session->advance(1000);
    EXPECT_EQ(fake->playState(), 1);
    EXPECT_EQ(user().currentMp3, "a.mp3");
    session->advance(3000);
    EXPECT_EQ(user().currentMp3, "a.mp3");
    EXPECT_EQ(fake->playState(), 1);
}

TEST_F(MusicPlayerTest, AFileThatCannotBePlayedIsToldAndThePlayerMovesOn)
{
    start({{"a.mp3", 5}, {"b.mp3", 5}, {"c.mp3", 5}, {"d.mp3", 5}});
    fake->unplayable = {"b.mp3", "d.mp3"};
    struct Row {
        int entry;        // the damaged file played
        const char* then; // the file playing after the notice ("" when the list has ended)
        const char* caption;
    };
    for (const Row row : {Row{1, "c.mp3", "正在播放--c"}, Row{3, "", "篮球比赛播放器"}}) {
        const std::string bad = list().list(row.entry);
        SCOPED_TRACE(bad);
        notices.clear();
        clickEntry(row.entry, true);
        session->advance(1000);
        EXPECT_EQ(notices, (std::vector<std::string>{"无法播放该音乐文件--" + bad}));
        EXPECT_EQ(loaded(), row.then);
        EXPECT_EQ(user().currentMp3, row.then);
        EXPECT_EQ(fake->playState(), *row.then ? 3 : 1);
        EXPECT_EQ(caption(), row.caption);
        session->advance(2000);
        EXPECT_EQ(notices.size(), 1u) << "told once";
    }
}

TEST_F(MusicPlayerTest, AFileWhoseSoundEndsEarlyEndsAsAFileDoes)
{
    start({{"a.mp3", 60}, {"b.mp3", 5}});
    fake->soundEnds["a.mp3"] = 10.2;
    clickOn(button(1));
    EXPECT_EQ(timeText(), "00:00/01:00");
    session->advance(10'000);
    EXPECT_EQ(loaded(), "a.mp3");
    session->advance(1000);
    EXPECT_EQ(loaded(), "b.mp3") << "the next tick after the sound ended moves on";
    EXPECT_EQ(caption(), "正在播放--b");
    EXPECT_TRUE(notices.empty());
}

TEST_F(MusicPlayerTest, ADamagedFileOnlyChosenInTheListIsNotTold)
{
    start({{"a.mp3", 5}, {"b.mp3", 5}});
    fake->unplayable = {"b.mp3"};
    clickEntry(1);
    session->advance(3000);
    EXPECT_TRUE(notices.empty());
    EXPECT_EQ(user().currentMp3, "b.mp3");
}

TEST_F(MusicPlayerTest, ATrackShorterThanTwoSecondsIsNotSkippedAtItsStart)
{
    start({{"a.mp3", 1.5}, {"b.mp3", 5}});
    clickOn(button(1));
    EXPECT_EQ(loaded(), "a.mp3");
    EXPECT_EQ(fake->playState(), 3);
    session->advance(1000);
    EXPECT_EQ(loaded(), "b.mp3");
}

TEST_F(MusicPlayerTest, PauseHoldsThePlaceAndPlayResumesItOrStartsAnotherEntry)
{
    start({{"a.mp3", 200}, {"b.mp3", 200}});
    clickOn(button(1));
    session->advance(3000);
    clickOn(button(2));
    EXPECT_EQ(fake->playState(), 2);
    EXPECT_EQ(caption(), "暂停播放--a");
    EXPECT_EQ(control<forms::Label>("playlab").left(), 0);
    EXPECT_TRUE(button(1).visible());
    EXPECT_FALSE(progressRuns());
    session->advance(5000);
    EXPECT_DOUBLE_EQ(fake->currentPosition(), 3);

    clickOn(button(1));
    EXPECT_EQ(fake->playState(), 3);
    EXPECT_EQ(caption(), "正在播放--a");
    EXPECT_DOUBLE_EQ(fake->currentPosition(), 3);
    EXPECT_EQ(fake->setURLCount, 1);

    // Paused again, another entry chosen: play starts that entry from its beginning.
    clickOn(button(2));
    clickEntry(1);
    EXPECT_EQ(loaded(), "a.mp3"); // a click while paused loads nothing
    clickOn(button(1));
    EXPECT_EQ(loaded(), "b.mp3");
    EXPECT_EQ(user().currentMp3, "b.mp3");
    EXPECT_DOUBLE_EQ(fake->currentPosition(), 0);
    EXPECT_EQ(caption(), "正在播放--b");
}

TEST_F(MusicPlayerTest, ADoubleClickOnAnotherEntryWhilePausedPlaysThatEntry)
{
    start({{"a.mp3", 200}, {"b.mp3", 200}});
    clickOn(button(1));
    session->advance(3000);
    clickOn(button(2));
    clickEntry(1, true);
    EXPECT_EQ(loaded(), "b.mp3");
    EXPECT_EQ(fake->playState(), 3);
    EXPECT_DOUBLE_EQ(fake->currentPosition(), 0);
    EXPECT_EQ(caption(), "正在播放--b");
}

TEST_F(MusicPlayerTest, AClickOnAnEntryWhileStoppedLoadsItReadyToPlay)
{
    start({{"a.mp3", 200}, {"b.mp3", 200}});
    clickEntry(1);
    EXPECT_EQ(user().currentMp3, "b.mp3");
    EXPECT_EQ(loaded(), "b.mp3");
    EXPECT_EQ(fake->playState(), 2);
    clickOn(button(1));
    EXPECT_EQ(fake->playState(), 3);
    EXPECT_EQ(fake->setURLCount, 1);
}

TEST_F(MusicPlayerTest, StopUnloadsAndPutsThePanelBack)
{
    start({{"a.mp3", 200}});
    clickOn(button(1));
    session->advance(4000);
    control<forms::Label>("playlab").setLeft(-400);
    clickOn(button(4));
    EXPECT_EQ(fake->playState(), 1);
    EXPECT_EQ(fake->URL(), "");
    EXPECT_EQ(caption(), "篮球比赛播放器");
    EXPECT_EQ(control<forms::Label>("playlab").left(), 0);
    EXPECT_EQ(timeText(), "00:00/00:00");
    EXPECT_DOUBLE_EQ(progressEnd(), control<forms::Label>("lens").left() + 2);
    EXPECT_FALSE(progressRuns());
    EXPECT_TRUE(button(1).visible());
    // The track stays chosen: play starts it again from the beginning.
    EXPECT_EQ(user().currentMp3, "a.mp3");
    clickOn(button(1));
    EXPECT_DOUBLE_EQ(fake->currentPosition(), 0);
    EXPECT_EQ(fake->playState(), 3);
}

TEST_F(MusicPlayerTest, NextAndPreviousMoveAlongTheList)
{
    start({{"a.mp3", 200}, {"b.mp3", 200}, {"c.mp3", 200}});
    clickOn(button(3));
    EXPECT_EQ(loaded(), "b.mp3");
    EXPECT_EQ(fake->playState(), 3);
    clickOn(button(3));
    EXPECT_EQ(loaded(), "c.mp3");
    clickOn(button(0));
    EXPECT_EQ(loaded(), "b.mp3");
    EXPECT_EQ(list().listIndex(), 1);
    clickOn(button(0));
    EXPECT_EQ(loaded(), "a.mp3");
    // On the first entry previous does nothing.
    session->advance(2000);
    clickOn(button(0));
    EXPECT_DOUBLE_EQ(fake->currentPosition(), 2);
    // Next on the last entry stops.
    clickEntry(2, true);
    clickOn(button(3));
    EXPECT_EQ(fake->playState(), 1);
    EXPECT_EQ(caption(), "篮球比赛播放器");
}

TEST_F(MusicPlayerTest, AnEmptyFolderPlaysNothing)
{
    start({});
    clickOn(button(1));
    clickOn(control<AlphaImage>("muisc1"));
    EXPECT_EQ(fake->setURLCount, 0);
    EXPECT_EQ(fake->playState(), 1);
    EXPECT_TRUE(button(1).visible());
    session->advance(2000);
    EXPECT_EQ(timeText(), "00:00/00:00");
    EXPECT_EQ(caption(), "篮球比赛播放器");
}

TEST_F(MusicPlayerTest, TheBigButtonPlaysToo)
{
    start({{"a.mp3", 200}});
    clickOn(control<AlphaImage>("muisc1"));
    EXPECT_EQ(fake->playState(), 3);
    EXPECT_EQ(caption(), "正在播放--a");
}

TEST_F(MusicPlayerTest, APressOnTheTrackSeeksInProportion)
{
    start({{"a.mp3", 200}});
    auto& track = control<forms::Label>("lens");
    // Paused first: seeking needs no running music.
    clickEntry(0);
    clickAt(track, int(track.width() / 15 / 2));
    EXPECT_DOUBLE_EQ(fake->currentPosition(), 100);
    EXPECT_DOUBLE_EQ(progressEnd(), track.left() + track.width() / 2);
    clickOn(button(1));
    EXPECT_EQ(timeText(), "01:40/03:20");
    // Nothing loaded: nothing moves.
    clickOn(button(4));
    clickAt(track, 10);
    EXPECT_DOUBLE_EQ(progressEnd(), track.left() + 2);
}

TEST_F(MusicPlayerTest, TheVolumeBarSetsTheVolumeFromItsLeftEdge)
{
    start({{"a.mp3", 200}});
    auto& bar = control<forms::Label>("mvul");
    struct Case {
        int px;
        int volume;
    };
    // 15 twips a pixel; the last 45 twips of the bar all mean 100.
    const double room = bar.width() - 45;
    for (Case c : {Case{0, 0}, Case{39, int(std::floor(39 * 15 / room * 100))}, Case{int(room / 15), 100}, Case{int(bar.width() / 15) - 2, 100}}) {
        clickAt(bar, c.px);
        session->advance(1000); // no double click
        EXPECT_EQ(fake->volume(), c.volume) << c.px;
        EXPECT_EQ(control<qel::qelCheck>("mute1").Caption(), "静音 " + std::to_string(c.volume)) << c.px;
        EXPECT_DOUBLE_EQ(control<forms::Line>("vno").x2(), bar.left() + c.px * 15) << c.px;
    }
}

TEST_F(MusicPlayerTest, TheMuteBoxMutesNowAndForTheNextTrack)
{
    start({{"a.mp3", 200}});
    auto& mute = control<qel::qelCheck>("mute1");
    clickOn(mute);
    EXPECT_EQ(mute.Value(), 1);
    EXPECT_TRUE(fake->muted);
    clickOn(mute);
    EXPECT_FALSE(fake->muted);
    clickOn(mute);
    fake->muted = false;
    clickOn(button(1));
    EXPECT_TRUE(fake->muted);
}

TEST_F(MusicPlayerTest, ALongCaptionRunsLeftUntilItsEndShowsThenStartsAgain)
{
    const std::string name = "一首名字非常非常非常非常长的篮球比赛中场休息音乐作品第一乐章.mp3";
    start({{name, 200}});
    clickOn(button(1));
    auto& text = control<forms::Label>("playlab");
    const double clip = board->find("mf1")->width();
    ASSERT_GT(text.width(), clip);
    std::vector<double> lefts;
    for (int i = 0; i < 40; ++i) {
        session->advance(1000);
        lefts.push_back(text.left());
    }
    EXPECT_EQ(lefts[0], -80);
    EXPECT_EQ(lefts[1], -160);
    // It runs until its end is in view, then goes back to 0.
    const auto back = std::find(lefts.begin(), lefts.end(), 0.0);
    ASSERT_NE(back, lefts.end());
    EXPECT_LE(*(back - 1), clip - text.width());
    EXPECT_GT(*(back - 1), clip - text.width() - 80);
    // Paused, the caption stands.
    clickOn(button(2));
    session->advance(3000);
    EXPECT_EQ(text.left(), 0);
}

TEST_F(MusicPlayerTest, ThePointerMarksTheButtonsAndTheMenu)
{
    start({{"a.mp3", 200}});
    auto& highlight = control<forms::Label>("mv1");
    const plat::gfx::Rect r = session->windows().screenRect(button(3).hwnd());
    session->mouseMove(r.left + 5, r.top + 5);
    session->settle();
    EXPECT_TRUE(highlight.visible());
    EXPECT_EQ(highlight.left(), button(3).left());
    EXPECT_EQ(button(3).toolTipText(), "下一曲");
    const plat::gfx::Rect frame = session->windows().screenRect(control<qel::qelFrame>("qelFrame1").hwnd());
    session->mouseMove(frame.left + 3, frame.top + 3);
    session->settle();
    EXPECT_FALSE(highlight.visible());

    auto& item = control<qel::qelLabel>("mc", 1);
    auto& line = control<forms::Line>("mclne");
    const double length = line.x2() - line.x1();
    const plat::gfx::Rect m = session->windows().screenRect(item.hwnd());
    session->mouseMove(m.left + 3, m.top + 3);
    session->settle();
    EXPECT_TRUE(line.visible());
    EXPECT_EQ(line.x1(), item.left() - 30);
    EXPECT_EQ(line.x2() - line.x1(), length);
    EXPECT_EQ(item.toolTipText(), "删除");
}

TEST_F(MusicPlayerTest, TheClockStartPausesTheMusicThroughThePauseButton)
{
    start({{"a.mp3", 200}});
    clickOn(button(1));
    ASSERT_TRUE(button(2).onClick);
    button(2).onClick();
    EXPECT_EQ(fake->playState(), 2);
    EXPECT_EQ(caption(), "暂停播放--a");
}

} // namespace
} // namespace scoreboard::test
