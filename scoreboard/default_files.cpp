#include "scoreboard/default_files.h"

namespace scoreboard {

std::vector<std::string> defaultConfigLines(int year)
{
    return {
        "allname=" + std::to_string(year) + "Mirelda",
        "delalltime=720",
        "jstime=300",
        "ballname1=篮球社团A队",
        "ballname2=篮球社团B队",
    };
}

std::vector<std::string> keyConfigLines(const std::array<int16_t, 4>& keys)
{
    return {
        "Aonkey=" + std::to_string(keys[0]),
        "Aoutkey=" + std::to_string(keys[1]),
        "Bonkey=" + std::to_string(keys[2]),
        "Boutkey=" + std::to_string(keys[3]),
    };
}

std::vector<std::string> defaultKeyConfigLines() { return keyConfigLines(kDefaultScoreKeys); }

std::vector<std::string> defaultSystemLines()
{
    return {
        "sond10=False",
        "closesoud=False",
        "ballnumsound=True",
        "keynum=True",
        "commnum=True",
        "closemusic=False",
        "numback=True",
    };
}

std::vector<std::string> defaultTeamFileNames() { return {"篮球社团A队.ini", "篮球社团B队.ini"}; }

} // namespace scoreboard
