#pragma once
// The saves of a running board that the operator is told of when they fail, each as the steps of a
// ball-drive script on the board (from "form main") and the notice it then shows.
#include <string>
#include <vector>

namespace scoreboard::test {

struct RefusedSave {
    std::string what;
    std::string file;  // the file of the data folder it writes
    std::string steps;
    std::string notice;
};

inline std::vector<RefusedSave> refusedSaves()
{
    // Four periods of a second, each held 10 s on "0.0", with 15 s of report after the first three.
    std::string match = "key 1\n";
    for (int period = 1; period <= 4; ++period)
        match += period < 4 ? "key Enter\nwait 27000\n" : "key Enter\nwait 12000\n";
    return {
        { "the title dialog", "date/config.db", "dblclick titxt(1)\nform m1\nclick v1\nkey End\ntype X\nclick ok\nform main\n",
            "比赛设置保存失败!" },
        { "the options panel", "date/system.db", "click on1(0)\nclick qelsave\n", "保存失败!设置文件无法写入" },
        { "the record of a finished match", "date/balldate.db", match, "比赛记录保存失败!" },
    };
}

} // namespace scoreboard::test
