#include "media_test_support.h"
#include "platform/media/sound_player.h"
#include "tests/support/scoped_env.h"
#include <SDL.h>
#include <algorithm>
#include <gtest/gtest.h>
#include <iterator>
#include <optional>

using namespace plat::media;
using media_test::soundFile;
using media_test::waitFor;

namespace {

using test_support::ScopedEnv;

bool contains(const std::vector<uint8_t>& haystack, const uint8_t* begin, const uint8_t* end)
{
    return std::search(haystack.begin(), haystack.end(), begin, end) != haystack.end();
}

} // namespace

TEST(SoundPlayer, PlaysAShippedSound)
{
    SoundPlayer player;
    ASSERT_TRUE(player.play(soundFile("2.wav")));
    EXPECT_TRUE(player.isPlaying());
    EXPECT_TRUE(waitFor([&] { return player.soundsStarted() == 1; })) << "the device took the first samples";
    EXPECT_TRUE(waitFor([&] { return !player.isPlaying(); })) << "a short sound ends by itself";
}

TEST(SoundPlayer, MissingOrBrokenFilesPlayNothing)
{
    media_test::ScratchDir dir;
    dir.write("broken.wav", "RIFF....WAVEjunk");
    SoundPlayer player;
    ASSERT_TRUE(player.open());
    for (const auto& path : {soundFile("no-such-sound.wav"), dir.file("broken.wav"), dir.file("")}) {
        EXPECT_FALSE(player.play(path)) << path;
        EXPECT_FALSE(player.isPlaying()) << path;
    }
    EXPECT_EQ(player.soundsStarted(), 0u);
}

TEST(SoundPlayer, AMissingFileLeavesThePlayingSoundAlone)
{
    SoundPlayer player;
    ASSERT_TRUE(player.play(soundFile("yes.wav")));
    EXPECT_FALSE(player.play(soundFile("no-such-sound.wav")));
    EXPECT_TRUE(player.isPlaying());
    player.stop();
    EXPECT_FALSE(player.isPlaying());
}

TEST(SoundPlayer, DecodesOnceAndAgainWhenTheFileChanges)
{
    media_test::ScratchDir dir;
    SoundPlayer player;
    ASSERT_TRUE(player.open());
    std::filesystem::copy_file(soundFile("2.wav"), dir.file("s.wav"));
    auto first = player.clip(dir.file("s.wav"));
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(player.clip(dir.file("s.wav")), first) << "cached";

    std::filesystem::copy_file(soundFile("comm.wav"), dir.file("s.wav"),
                               std::filesystem::copy_options::overwrite_existing);
    auto second = player.clip(dir.file("s.wav"));
    ASSERT_NE(second, nullptr);
    EXPECT_NE(second, first);
    EXPECT_GT(second->bytes.size(), first->bytes.size());

    std::filesystem::remove(dir.file("s.wav"));
    EXPECT_FALSE(player.play(dir.file("s.wav"))) << "a deleted file no longer plays from the cache";
}

TEST(SoundPlayer, PreloadsAFolder)
{
    SoundPlayer player;
    EXPECT_EQ(player.preloadFolder(media_test::shippedSoundFolder()), 8);
    EXPECT_EQ(player.preloadFolder("/no/such/folder"), 0);
}

// The next two need the audio subsystem to themselves (ctest runs every test in its own process).
TEST(SoundPlayer, FallsBackToTheSilentDriverWhenNoDeviceOpens)
{
    if (SDL_WasInit(SDL_INIT_AUDIO))
        GTEST_SKIP() << "audio already initialised in this process";
    ScopedEnv driver("SDL_AUDIODRIVER", "no-such-driver");
    SoundPlayer player;
    ASSERT_TRUE(player.open());
    EXPECT_STREQ(SDL_GetCurrentAudioDriver(), "dummy");
    EXPECT_TRUE(player.play(soundFile("2.wav")));
}

TEST(SoundPlayer, ASecondSoundCutsTheFirstOnTheDevice)
{
    if (SDL_WasInit(SDL_INIT_AUDIO))
        GTEST_SKIP() << "audio already initialised in this process";
    media_test::ScratchDir dir;
    ScopedEnv driver("SDL_AUDIODRIVER", "disk");
    ScopedEnv output("SDL_DISKAUDIOFILE", dir.file("out.raw"));
    std::shared_ptr<const SoundClip> horn, click;
    {
        SoundPlayer player;
        ASSERT_TRUE(player.open());
        ASSERT_STREQ(SDL_GetCurrentAudioDriver(), "disk");
        horn = player.clip(soundFile("yes.wav"));
        click = player.clip(soundFile("2.wav"));
        ASSERT_TRUE(horn && click);

        ASSERT_TRUE(player.play(soundFile("yes.wav")));
        ASSERT_TRUE(waitFor([&] { return player.soundsStarted() == 1; }));
        ASSERT_TRUE(player.play(soundFile("2.wav")));
        ASSERT_TRUE(waitFor([&] { return player.soundsStarted() == 2 && !player.isPlaying(); }));
    }
    std::ifstream in(dir.file("out.raw"), std::ios::binary);
    std::vector<uint8_t> written{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const auto& h = horn->bytes;
    const auto& c = click->bytes;
    const size_t piece = 2048;
    EXPECT_TRUE(contains(written, h.data(), h.data() + piece)) << "the horn began";
    EXPECT_TRUE(contains(written, c.data(), c.data() + c.size())) << "the click played whole";
    EXPECT_FALSE(contains(written, h.data() + h.size() - piece, h.data() + h.size())) << "the horn was cut";
}

// Runs last: the shared player keeps the audio subsystem open for the rest of the process.
TEST(SoundPlayer, SharedPlayerServesPlaySound)
{
    EXPECT_FALSE(playSound(soundFile("no-such-sound.wav")));
    EXPECT_TRUE(playSound(soundFile("timer.wav")));
    EXPECT_TRUE(SoundPlayer::shared().isPlaying());
}
