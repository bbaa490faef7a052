#pragma once
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace test_support {

// The sounds a program played, each with the time (ms) it started at, in order: a fixture fills
// `sounds` from the program's sound listener and asks how often and when one played.
class TimedSounds {
public:
    int soundCount(std::string_view name) const
    {
        return int(std::count_if(sounds.begin(), sounds.end(), [&](const auto& s) { return s.second == name; }));
    }
    std::vector<int64_t> soundTimes(std::string_view name) const
    {
        std::vector<int64_t> times;
        for (const auto& s : sounds)
            if (s.second == name)
                times.push_back(s.first);
        return times;
    }

    std::vector<std::pair<int64_t, std::string>> sounds;
};

} // namespace test_support
