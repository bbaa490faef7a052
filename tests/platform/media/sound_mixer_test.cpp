#include "platform/media/sound_mixer.h"
#include <gtest/gtest.h>
#include <vector>

using plat::media::SoundClip;
using plat::media::SoundMixer;

namespace {

std::shared_ptr<const SoundClip> clipOf(std::vector<uint8_t> bytes)
{
    auto clip = std::make_shared<SoundClip>();
    clip->bytes = std::move(bytes);
    return clip;
}

std::vector<uint8_t> pull(SoundMixer& mixer, size_t length, bool* began = nullptr)
{
    std::vector<uint8_t> out(length, 0xEE);
    bool first = mixer.fill(out.data(), out.size());
    if (began)
        *began = first;
    return out;
}

} // namespace

TEST(SoundMixer, PlaysTheClipThenSilence)
{
    SoundMixer mixer(0x80);
    mixer.start(clipOf({1, 2, 3, 4, 5, 6}));
    bool began = false;
    EXPECT_EQ(pull(mixer, 4, &began), (std::vector<uint8_t>{1, 2, 3, 4}));
    EXPECT_TRUE(began);
    EXPECT_TRUE(mixer.isPlaying());
    EXPECT_EQ(pull(mixer, 4, &began), (std::vector<uint8_t>{5, 6, 0x80, 0x80}));
    EXPECT_FALSE(began);
    EXPECT_FALSE(mixer.isPlaying());
    EXPECT_EQ(pull(mixer, 3), (std::vector<uint8_t>{0x80, 0x80, 0x80}));
}

TEST(SoundMixer, ANewClipCutsThePlayingOne)
{
    SoundMixer mixer;
    mixer.start(clipOf({1, 1, 1, 1, 1, 1, 1, 1}));
    pull(mixer, 2);
    mixer.start(clipOf({7, 8, 9}));
    bool began = false;
    EXPECT_EQ(pull(mixer, 6, &began), (std::vector<uint8_t>{7, 8, 9, 0, 0, 0}));
    EXPECT_TRUE(began) << "the second clip's start is reported";
    EXPECT_FALSE(mixer.isPlaying()) << "nothing of the first clip comes back";
}

TEST(SoundMixer, RestartingTheSameClipBeginsAgain)
{
    SoundMixer mixer;
    auto clip = clipOf({1, 2, 3, 4});
    mixer.start(clip);
    pull(mixer, 3);
    mixer.start(clip);
    EXPECT_EQ(pull(mixer, 4), (std::vector<uint8_t>{1, 2, 3, 4}));
}

TEST(SoundMixer, NothingToPlayGivesSilence)
{
    struct Case {
        const char* name;
        std::shared_ptr<const SoundClip> clip;
    };
    for (const auto& c : {Case{"null", nullptr}, Case{"empty", clipOf({})}}) {
        SoundMixer mixer(0x80);
        mixer.start(c.clip);
        bool began = true;
        EXPECT_EQ(pull(mixer, 2, &began), (std::vector<uint8_t>{0x80, 0x80})) << c.name;
        EXPECT_FALSE(began) << c.name;
        EXPECT_FALSE(mixer.isPlaying()) << c.name;
    }
}

TEST(SoundMixer, StopSilencesAtOnce)
{
    SoundMixer mixer;
    mixer.start(clipOf({5, 5, 5, 5}));
    mixer.stop();
    EXPECT_EQ(pull(mixer, 2), (std::vector<uint8_t>{0, 0}));
}
