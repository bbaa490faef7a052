#pragma once
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

namespace delivery {

// What SDL's disk audio driver wrote: raw 16-bit samples, interleaved channels, at the rate the
// sound player asks for (44100 Hz stereo).
class DiskAudio {
public:
    static constexpr int kRate = 44100;
    static constexpr int kChannels = 2;

    explicit DiskAudio(const std::filesystem::path& file)
    {
        std::ifstream in(file, std::ios::binary | std::ios::ate);
        if (!in)
            return;
        // Whole frames only: the driver may be writing the next one.
        const std::streamsize bytes = in.tellg() / (kChannels * sizeof(int16_t)) * (kChannels * sizeof(int16_t));
        m_samples.resize(size_t(bytes) / sizeof(int16_t));
        in.seekg(0);
        in.read(reinterpret_cast<char*>(m_samples.data()), bytes);
        m_samples.resize(size_t(in.gcount()) / (kChannels * sizeof(int16_t)) * kChannels);
    }

    // Frames written so far.
    size_t frames() const { return m_samples.size() / kChannels; }

    // Seconds of sound (not silence) from `fromFrame` on.
    double soundSeconds(size_t fromFrame = 0) const
    {
        size_t loud = 0;
        for (size_t f = fromFrame; f < frames(); ++f)
            loud += isLoud(f);
        return double(loud) / kRate;
    }

    // A stretch of frames [begin, end).
    struct Stretch {
        size_t begin = 0, end = 0;
        double seconds() const { return double(end - begin) / kRate; }
    };

    // Frames from `fromFrame` to the end.
    Stretch from(size_t fromFrame) const { return { std::min(fromFrame, frames()), frames() }; }

    // The longest stretch of sound from `fromFrame` on, pauses under 0.1 s included.
    Stretch longestSound(size_t fromFrame = 0) const
    {
        const size_t gap = kRate / 10;
        Stretch best, current;
        bool inside = false;
        for (size_t f = fromFrame; f < frames(); ++f) {
            if (!isLoud(f))
                continue;
            if (!inside || f - current.end >= gap) {
                current.begin = f;
                inside = true;
            }
            current.end = f + 1;
            if (current.seconds() > best.seconds())
                best = current;
        }
        return best;
    }
    double longestSoundSeconds(size_t fromFrame = 0) const { return longestSound(fromFrame).seconds(); }

    // Whether a sound of at least `seconds` came from `fromFrame` on and is over: quiet frames have
    // been written after it.
    bool soundOver(size_t fromFrame, double seconds) const
    {
        const Stretch sound = longestSound(fromFrame);
        return sound.seconds() >= seconds && frames() - sound.end >= kRate / 4;
    }

    // How loud a stretch is, in sample values of the 16-bit range: its highest peak, and the RMS
    // of its sounding frames (silence left out, so that a short signal in a long wait still reads
    // as loud as it sounds).
    struct Level {
        int peak = 0;
        double rms = 0;
    };
    Level level(Stretch stretch) const
    {
        Level level;
        double sum = 0;
        size_t count = 0;
        for (size_t f = stretch.begin; f < stretch.end && f < frames(); ++f) {
            if (!isLoud(f))
                continue;
            for (int c = 0; c < kChannels; ++c) {
                const int sample = m_samples[f * kChannels + c];
                level.peak = std::max(level.peak, std::abs(sample));
                sum += double(sample) * sample;
                ++count;
            }
        }
        if (count)
            level.rms = std::sqrt(sum / count);
        return level;
    }

private:
    bool isLoud(size_t frame) const
    {
        for (int c = 0; c < kChannels; ++c) {
            if (std::abs(int(m_samples[frame * kChannels + c])) > 200)
                return true;
        }
        return false;
    }

    std::vector<int16_t> m_samples;
};

} // namespace delivery
