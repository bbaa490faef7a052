#include "media_test_support.h"
#include "platform/media/sound_clip.h"
#include <SDL.h>
#include <gtest/gtest.h>

using namespace plat::media;
using media_test::soundFile;

namespace {

const AudioFormat kStereo16{AUDIO_S16SYS, 2, 44100, 0};

// A canonical 16-bit PCM WAV header followed by `frames` mono samples of `value`.
std::string wavBytes(int rate, int frames, int16_t value)
{
    auto le32 = [](uint32_t v) { return std::string{char(v), char(v >> 8), char(v >> 16), char(v >> 24)}; };
    auto le16 = [](uint16_t v) { return std::string{char(v), char(v >> 8)}; };
    std::string data;
    for (int i = 0; i < frames; ++i)
        data += le16(uint16_t(value));
    return "RIFF" + le32(uint32_t(36 + data.size())) + "WAVEfmt " + le32(16) + le16(1) + le16(1) + le32(uint32_t(rate)) +
           le32(uint32_t(rate * 2)) + le16(2) + le16(16) + "data" + le32(uint32_t(data.size())) + data;
}

} // namespace

TEST(SoundClip, ShippedSoundsAreShort16BitPcm)
{
    struct Case {
        const char* name;
        double minSeconds;
        double maxSeconds;
    };
    const Case cases[] = {
        {"2.wav", 0.03, 0.25},  {"comm.wav", 0.2, 1.0},  {"timer.wav", 0.05, 0.3}, {"yes.wav", 1.2, 2.0},
        {"nbai.wav", 0.8, 2.5}, {"nbaf.wav", 0.8, 2.5}, {"nbaa.wav", 0.8, 2.5},   {"bell.wav", 0.5, 2.0},
    };
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_AUDIO), 0) << SDL_GetError();
    for (const auto& c : cases) {
        SDL_AudioSpec spec{};
        Uint8* buffer = nullptr;
        Uint32 length = 0;
        ASSERT_TRUE(SDL_LoadWAV(soundFile(c.name).c_str(), &spec, &buffer, &length)) << c.name << SDL_GetError();
        SDL_FreeWAV(buffer);
        EXPECT_EQ(spec.format, AUDIO_S16LSB) << c.name;
        EXPECT_TRUE(spec.freq == 22050 || spec.freq == 44100) << c.name;
        double seconds = double(length) / (spec.freq * spec.channels * 2);
        EXPECT_GE(seconds, c.minSeconds) << c.name;
        EXPECT_LE(seconds, c.maxSeconds) << c.name;
    }
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

TEST(SoundClip, ConvertsToTheDeviceFormat)
{
    media_test::ScratchDir dir;
    dir.write("tone.wav", wavBytes(22050, 2205, 1000)); // 0.1 s mono at 22.05 kHz
    auto clip = decodeWavFile(dir.file("tone.wav"), kStereo16);
    ASSERT_NE(clip, nullptr);
    // Twice the rate, two channels of 16 bits: close to 4410 frames of 4 bytes.
    EXPECT_NEAR(double(clip->bytes.size()) / 4, 4410, 16);
    EXPECT_EQ(clip->bytes.size() % 4, 0u);
    auto* samples = reinterpret_cast<const int16_t*>(clip->bytes.data());
    size_t middle = clip->bytes.size() / 4; // a sample in the middle, away from filter edges
    EXPECT_NEAR(samples[middle], 1000, 30);
    EXPECT_NEAR(samples[middle + 1], 1000, 30);
}

TEST(SoundClip, UnusableFilesGiveNoClip)
{
    media_test::ScratchDir dir;
    dir.write("text.wav", "this is not a wave file");
    dir.write("empty.wav", "");
    dir.write("silent.wav", wavBytes(22050, 0, 0));
    std::string truncated = wavBytes(22050, 100, 5);
    dir.write("truncated.wav", truncated.substr(0, 30));
    for (const char* name : {"missing.wav", "text.wav", "empty.wav", "silent.wav", "truncated.wav"})
        EXPECT_EQ(decodeWavFile(dir.file(name), kStereo16), nullptr) << name;
    EXPECT_EQ(decodeWavFile(soundFile("2.wav"), AudioFormat{}), nullptr) << "no device format";
}
