#include "media_test_support.h"
#include "platform/media/media_player.h"
#include "tests/support/temp_folder.h"
#include <gtest/gtest.h>

using namespace plat::media;
using media_test::testFile;
using media_test::waitFor;
using namespace std::chrono_literals;

namespace {

constexpr double kToneSeconds = 2.5;

class MediaPlayerTest : public ::testing::Test {
protected:
    MediaPlayer player{MediaPlayer::Options{.silentAudio = true}};

    // Loads a file and waits until its duration is known.
    void load(const std::string& path)
    {
        player.setURL(path);
        ASSERT_TRUE(waitFor([&] { return player.currentMedia.duration() > 0; })) << path;
    }

    // Keeps polling while the player plays; returns the positions seen.
    std::vector<double> positionsUntilStopped()
    {
        std::vector<double> seen;
        bool stopped = waitFor([&] {
            if (player.playState() != PlayStatePlaying)
                return true;
            seen.push_back(player.controls.currentPosition());
            return false;
        });
        EXPECT_TRUE(stopped);
        return seen;
    }

    // A bounded stretch of real time in which the player is polled.
    void keepPolling(std::chrono::milliseconds span)
    {
        waitFor([&] { player.poll(); return false; }, span);
    }
};

} // namespace

TEST_F(MediaPlayerTest, NothingLoaded)
{
    EXPECT_EQ(player.URL(), "");
    EXPECT_EQ(player.playState(), PlayStateStopped);
    player.controls.play();
    player.controls.pause();
    EXPECT_EQ(player.playState(), PlayStateStopped);
    EXPECT_EQ(player.controls.currentPosition(), 0);
    EXPECT_EQ(player.controls.currentPositionString(), "00:00");
    EXPECT_EQ(player.currentMedia.name(), "");
    EXPECT_EQ(player.currentMedia.duration(), 0);
    EXPECT_EQ(player.currentMedia.durationString(), "00:00");
    EXPECT_TRUE(player.enableContextMenu());
    player.setEnableContextMenu(false);
    EXPECT_FALSE(player.enableContextMenu());
}

TEST_F(MediaPlayerTest, LoadingGivesTheFileStoppedAtItsStart)
{
    load(testFile("tone.mp3"));
    EXPECT_EQ(player.URL(), testFile("tone.mp3"));
    EXPECT_EQ(player.currentMedia.name(), "tone");
    EXPECT_EQ(player.playState(), PlayStateStopped);
    EXPECT_NEAR(player.currentMedia.duration(), kToneSeconds, 0.06);
    EXPECT_EQ(player.currentMedia.durationString(), "00:02");
    EXPECT_EQ(player.controls.currentPosition(), 0);
}

// A file copied from a system of the GBK code page keeps its bytes on disk; its name is shown
// in the code page, as the music list shows it, in "正在播放--NAME".
TEST_F(MediaPlayerTest, TheNameOfAFileThatIsNotUtf8IsShownInTheCodePage)
{
    TempFolder folder("media-name-XXXXXX");
    const std::filesystem::path gbk = folder / "\xB1\xC8\xB7\xD6 gbk.mp3";
    std::filesystem::copy_file(testFile("tone.mp3"), gbk);
    load(gbk.string());
    EXPECT_EQ(player.currentMedia.name(), "比分 gbk");
    player.controls.play();
    EXPECT_EQ(player.playState(), PlayStatePlaying);
}

TEST_F(MediaPlayerTest, PlaysAnMp3ToItsEnd)
{
    load(testFile("tone.mp3"));
    player.controls.play();
    EXPECT_EQ(player.playState(), PlayStatePlaying);
    ASSERT_TRUE(waitFor([&] { return player.controls.currentPosition() >= 1.0; }));
    EXPECT_EQ(player.controls.currentPositionString(), "00:01");
    EXPECT_EQ(player.playState(), PlayStatePlaying);

    auto seen = positionsUntilStopped();
    ASSERT_FALSE(seen.empty());
    EXPECT_GE(seen.back(), 2.0) << "the end came from the media, after its last second played";
    EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
    EXPECT_EQ(player.playState(), PlayStateStopped);
    EXPECT_EQ(player.controls.currentPosition(), 0);
    EXPECT_EQ(player.controls.currentPositionString(), "00:00");
    EXPECT_NEAR(player.currentMedia.duration(), kToneSeconds, 0.06) << "duration kept after the end";
    EXPECT_EQ(player.URL(), testFile("tone.mp3"));

    player.controls.play();
    EXPECT_EQ(player.playState(), PlayStatePlaying) << "plays again from the start";
    ASSERT_TRUE(waitFor([&] { return player.controls.currentPosition() > 0; }));
    EXPECT_LT(player.controls.currentPosition(), 1.0);
}

TEST_F(MediaPlayerTest, PlaysAWaveFileToItsEnd)
{
    load(testFile("tone.wav"));
    EXPECT_NEAR(player.currentMedia.duration(), 1.0, 0.02);
    player.controls.play();
    auto seen = positionsUntilStopped();
    EXPECT_EQ(player.playState(), PlayStateStopped);
    ASSERT_FALSE(seen.empty());
    EXPECT_GE(seen.back(), 0.5);
}

TEST_F(MediaPlayerTest, PauseHoldsThePositionAndPlayResumes)
{
    load(testFile("tone.mp3"));
    player.controls.play();
    ASSERT_TRUE(waitFor([&] { return player.controls.currentPosition() >= 0.5; }));
    player.controls.pause();
    EXPECT_EQ(player.playState(), PlayStatePaused);
    double held = player.controls.currentPosition();
    keepPolling(300ms);
    EXPECT_EQ(player.playState(), PlayStatePaused);
    EXPECT_NEAR(player.controls.currentPosition(), held, 0.05);

    player.controls.play();
    EXPECT_EQ(player.playState(), PlayStatePlaying);
    auto seen = positionsUntilStopped();
    ASSERT_FALSE(seen.empty());
    EXPECT_GE(seen.front(), held - 0.05) << "resumed where it was paused";
}

TEST_F(MediaPlayerTest, PauseOfALoadedFileLeavesItReadyToPlay)
{
    player.setURL(testFile("tone.mp3"));
    player.controls.pause();
    EXPECT_EQ(player.playState(), PlayStatePaused);
    keepPolling(200ms);
    EXPECT_EQ(player.playState(), PlayStatePaused);
    EXPECT_EQ(player.controls.currentPosition(), 0);
}

TEST_F(MediaPlayerTest, SeekWhilePaused)
{
    load(testFile("tone.mp3"));
    player.controls.pause();
    player.controls.setCurrentPosition(1.5);
    EXPECT_EQ(player.controls.currentPosition(), 1.5) << "the sought position while the seek runs";
    EXPECT_EQ(player.controls.currentPositionString(), "00:01");
    keepPolling(200ms);
    EXPECT_NEAR(player.controls.currentPosition(), 1.5, 0.03);
    EXPECT_EQ(player.playState(), PlayStatePaused);

    player.controls.play();
    auto seen = positionsUntilStopped();
    ASSERT_FALSE(seen.empty());
    EXPECT_GE(seen.front(), 1.45);
    EXPECT_EQ(player.playState(), PlayStateStopped);
}

TEST_F(MediaPlayerTest, SeekBeforeTheFileIsReadyIsKept)
{
    player.setURL(testFile("tone.mp3"));
    player.controls.setCurrentPosition(2.0);
    EXPECT_EQ(player.controls.currentPosition(), 2.0);
    ASSERT_TRUE(waitFor([&] { return player.currentMedia.duration() > 0; }));
    keepPolling(200ms);
    EXPECT_NEAR(player.controls.currentPosition(), 2.0, 0.03);
}

TEST_F(MediaPlayerTest, SeekWhilePlaying)
{
    load(testFile("tone.mp3"));
    player.controls.play();
    ASSERT_TRUE(waitFor([&] { return player.controls.currentPosition() >= 0.2; }));
    player.controls.setCurrentPosition(2.0);
    EXPECT_EQ(player.controls.currentPosition(), 2.0);
    auto seen = positionsUntilStopped();
    ASSERT_FALSE(seen.empty());
    EXPECT_GE(*std::min_element(seen.begin(), seen.end()), 1.95) << "no stale position after the seek";
    EXPECT_EQ(player.playState(), PlayStateStopped);
}

TEST_F(MediaPlayerTest, SoughtPositionsAreClampedToTheMedia)
{
    load(testFile("tone.mp3"));
    player.controls.pause();
    struct Case {
        double asked;
        double expected;
    };
    for (auto c : {Case{-4, 0}, Case{99, player.currentMedia.duration()}, Case{1, 1}}) {
        player.controls.setCurrentPosition(c.asked);
        EXPECT_DOUBLE_EQ(player.controls.currentPosition(), c.expected) << c.asked;
    }
}

TEST_F(MediaPlayerTest, StopGoesBackToTheStart)
{
    load(testFile("tone.mp3"));
    player.controls.play();
    ASSERT_TRUE(waitFor([&] { return player.controls.currentPosition() >= 0.5; }));
    player.controls.stop();
    EXPECT_EQ(player.playState(), PlayStateStopped);
    EXPECT_EQ(player.controls.currentPosition(), 0);
    keepPolling(100ms);
    EXPECT_EQ(player.controls.currentPosition(), 0);
    player.controls.play();
    ASSERT_TRUE(waitFor([&] { return player.controls.currentPosition() > 0; }));
    EXPECT_LT(player.controls.currentPosition(), 0.5);
}

TEST_F(MediaPlayerTest, UnloadingWhilePlaying)
{
    load(testFile("tone.mp3"));
    player.controls.play();
    player.setURL("");
    EXPECT_EQ(player.URL(), "");
    EXPECT_EQ(player.playState(), PlayStateStopped);
    EXPECT_EQ(player.currentMedia.name(), "");
    EXPECT_EQ(player.currentMedia.durationString(), "00:00");
    EXPECT_EQ(player.controls.currentPositionString(), "00:00");
}

TEST_F(MediaPlayerTest, UnplayableFilesStayStopped)
{
    media_test::ScratchDir dir;
    dir.write("noise.mp3", std::string(4096, '\x5A'));
    for (const auto& path : {testFile("no-such-file.mp3"), dir.file("noise.mp3")}) {
        player.setURL(path);
        EXPECT_EQ(player.URL(), path) << "reading gives the path written";
        player.controls.play();
        EXPECT_TRUE(waitFor([&] { return player.playState() == PlayStateStopped; })) << path;
        keepPolling(100ms);
        EXPECT_EQ(player.playState(), PlayStateStopped) << path;
        EXPECT_EQ(player.currentMedia.duration(), 0) << path;
    }
}

TEST_F(MediaPlayerTest, VolumeAndMute)
{
    struct Case {
        int set;
        int read;
    };
    const Case cases[] = {{37, 37}, {0, 0}, {100, 100}, {-5, 0}, {150, 100}, {64, 64}};
    EXPECT_EQ(player.settings.volume(), 50);
    for (bool loaded : {false, true}) {
        if (loaded)
            load(testFile("tone.mp3"));
        for (const auto& c : cases) {
            player.settings.setVolume(c.set);
            EXPECT_EQ(player.settings.volume(), c.read) << c.set << (loaded ? " loaded" : "");
        }
        player.settings.setMute(true);
        EXPECT_TRUE(player.settings.mute());
        player.settings.setMute(false);
        EXPECT_FALSE(player.settings.mute());
    }
    player.settings.setVolume(20);
    player.settings.setMute(true);
    load(testFile("tone.wav"));
    EXPECT_EQ(player.settings.volume(), 20) << "kept for the next file";
    EXPECT_TRUE(player.settings.mute());
    player.controls.play();
    EXPECT_EQ(player.playState(), PlayStatePlaying) << "muted still plays";
    positionsUntilStopped();
}
