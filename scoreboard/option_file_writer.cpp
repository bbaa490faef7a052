#include "scoreboard/option_file_writer.h"
#include "scoreboard/option_file.h"
#include "scoreboard/settings_store.h"

#include "platform/system/file_backup.h"
#include "platform/system/file_replace.h"
#include "platform/system/file_system.h"

#include <vector>

namespace scoreboard {

std::string optionLine(size_t position, bool on) { return std::string(kOptionKeys.at(position)) + (on ? "=True" : "=False"); }

std::array<std::string, 8> optionFileLines(const MatchState& state)
{
    std::array<std::string, 8> lines;
    MatchState copy = state;
    for (size_t position = 0; position < lines.size(); ++position)
        lines[position] = optionLine(position, optionSwitch(copy, position));
    return lines;
}

bool writeOptionFile(const std::array<std::string, 8>& lines)
{
    const std::filesystem::path file = systemDbPath();
    const std::filesystem::path folder = file.parent_path();
    if (!folder.empty() && !plat::sys::folderExists(folder))
        plat::sys::makeFolder(folder);
    // The rewrite writes each switch as its key with "=True" or "=False": a line of any other
    // form (a note, a value written by hand) is the operator's and is kept first.
    const auto kept = [](std::string_view line) {
        for (size_t position = 0; position < kOptionKeys.size(); ++position)
            if (line == optionLine(position, true) || line == optionLine(position, false))
                return true;
        return false;
    };
    return plat::sys::keepWhatARewriteDrops(file, kept) && plat::sys::replaceTextFile(file, std::vector<std::string>(lines.begin(), lines.end()));
}

} // namespace scoreboard
