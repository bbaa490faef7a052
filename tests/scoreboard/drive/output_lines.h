#pragma once
#include <sstream>
#include <string>
#include <vector>

namespace scoreboard::test {

// What a drive script printed, one entry per line.
inline std::vector<std::string> outputLines(const std::string& text)
{
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        out.push_back(line);
    return out;
}

} // namespace scoreboard::test
