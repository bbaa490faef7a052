#include "scoreboard/match_record.h"
#include "scoreboard/display_routines.h"

#include "platform/system/file_append.h"
#include "platform/system/file_system.h"
#include "platform/system/program_folder.h"

#include <optional>

namespace scoreboard {

namespace {

// Whether the archive's last line has no line end (a hand edit, a write cut short elsewhere):
// a record appended straight after it would be glued onto that line.
bool lastLineOpen(const std::filesystem::path& archive)
{
    // Read as every data file is: a pipe there holds nothing up.
    const std::optional<std::string> bytes = plat::sys::readFileBytes(archive);
    return bytes && !bytes->empty() && bytes->back() != '\n' && bytes->back() != '\r';
}

} // namespace

std::vector<std::string> matchRecordLines(const MatchState& state)
{
    const auto& p = state.periodPoints;
    auto period = [&](const char* key, int index) { return std::string(key) + periodPointText(p[index]) + ":" + periodPointText(p[4 + index]); };
    return {
        "比赛时间=" + state.matchStartTime,
        "比赛主题=" + state.matchTitle,
        "球队1=" + state.teamNameA,
        "VS=VS",
        "球队2=" + state.teamNameB,
        period("第一节=", 0),
        period("第二节=", 1),
        period("第三节=", 2),
        period("第四节=", 3),
        "总分=" + std::to_string(state.scoreA) + ":" + std::to_string(state.scoreB),
        std::string("备注=") + (state.inOvertime ? "加时赛" : ""),
    };
}

std::filesystem::path matchArchivePath() { return plat::sys::programPath("date\\balldate.db"); }

bool appendMatchRecord(const MatchState& state, const std::filesystem::path& archive)
{
    // A data folder removed while the program runs is made again rather than losing the record.
    const std::filesystem::path folder = archive.parent_path();
    if (!folder.empty() && !plat::sys::folderExists(folder))
        plat::sys::makeFolder(folder);
    std::vector<std::string> lines = matchRecordLines(state);
    if (lastLineOpen(archive))
        lines.insert(lines.begin(), std::string());
    return plat::sys::appendTextLines(archive, lines);
}

} // namespace scoreboard
