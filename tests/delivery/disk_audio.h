#pragma once
#include <algorithm>
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
        std::ifstream in(file, std::ios::binary);
        int16_t sample = 0;
        while (in.read(reinterpret_cast<char*>(&sample), sizeof sample))
            m_samples.push_back(sample);
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

    // The longest stretch of sound from `fromFrame` on, in seconds, pauses under 0.1 s included.
    double longestSoundSeconds(size_t fromFrame = 0) const
    {
        const size_t gap = kRate / 10;
        size_t best = 0, start = 0, lastLoud = 0;
        bool inside = false;
        for (size_t f = fromFrame; f < frames(); ++f) {
            if (!isLoud(f))
                continue;
            if (!inside || f - lastLoud > gap) {
                start = f;
                inside = true;
            }
            lastLoud = f;
            best = std::max(best, lastLoud - start + 1);
        }
        return double(best) / kRate;
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
