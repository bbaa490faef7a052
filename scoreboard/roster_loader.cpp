#include "scoreboard/roster_loader.h"
#include "scoreboard/board_form.h"
#include "scoreboard/match_state.h"

#include "platform/forms/label.h"
#include "platform/system/file_replace.h"
#include "platform/system/file_system.h"
#include "platform/system/program_folder.h"
#include "platform/system/text_functions.h"
#include "platform/system/text_reader.h"

#include <optional>

namespace scoreboard {

namespace sys = plat::sys;

namespace {

constexpr std::string_view kCoachPrefix = "教练:";
constexpr std::string_view kLeaderPrefix = "领队:";
constexpr std::string_view kPlayerPrefix = "队员:";

// The text after a three-character prefix when the value starts with it and is longer than
// `minimumLength` characters.
std::optional<std::string> afterPrefix(const std::string& value, std::string_view prefix, size_t minimumLength)
{
    if (sys::leftText(value, 3) != prefix || sys::textLength(value) <= minimumLength)
        return std::nullopt;
    return sys::midText(value, 4);
}

void setStaffLabel(int index, const std::string& text)
{
    if (auto* label = boardControl<plat::forms::Label>("bflab", index))
        label->setCaption(text);
}

void setPlayerLabel(std::string_view name, int index, const std::string& text, bool visible)
{
    if (auto* label = boardControl<plat::forms::Label>(name, index)) {
        label->setCaption(text);
        label->setVisible(visible);
    }
}

void showSide(const TeamRoster& roster, int staffIndex, std::string_view names, std::string_view numbers)
{
    setStaffLabel(staffIndex, roster.coach);
    setStaffLabel(staffIndex + 1, roster.leader);
    for (size_t k = 0; k < roster.players.size() && k < size_t(kRosterRows); ++k) {
        setPlayerLabel(names, int(k), roster.players[k].name, true);
        setPlayerLabel(numbers, int(k), roster.players[k].number, true);
    }
}

} // namespace

std::filesystem::path teamFilePath(std::string_view teamName)
{
    return sys::programPath("binlist\\" + std::string(teamName) + ".ini");
}

bool teamNameFitsFileName(std::string_view name)
{
    if (name.empty() || name.find_first_not_of('.') == std::string_view::npos)
        return false;
    if (name.find_first_of("\\/:*?\"<>|") != std::string_view::npos)
        return false;
    for (unsigned char c : name)
        if (c < 0x20 || c == 0x7F)
            return false;
    return true;
}

TeamRoster readTeamRoster(const std::filesystem::path& file)
{
    TeamRoster roster;
    std::optional<sys::TextReader> reader = sys::TextReader::open(file);
    if (!reader)
        return roster;
    while (std::optional<std::string> value = reader->readValue()) {
        if (auto coach = afterPrefix(*value, kCoachPrefix, 3)) {
            roster.coach = *coach;
        } else if (auto leader = afterPrefix(*value, kLeaderPrefix, 3)) {
            roster.leader = *leader;
        } else if (auto player = afterPrefix(*value, kPlayerPrefix, 5)) {
            const size_t split = player->rfind('=');
            if (split != std::string::npos)
                roster.players.push_back({player->substr(0, split), player->substr(split + 1)});
        }
    }
    return roster;
}

void LoadRosters()
{
    for (int i = 0; i <= 3; ++i)
        setStaffLabel(i, "");
    for (int i = 0; i < kRosterRows; ++i) {
        for (std::string_view name : {"namelab1", "numlab1", "namelab2", "numlab2"})
            setPlayerLabel(name, i, "", false);
    }
    MatchState& state = user();
    // A team whose name cannot be a file of binlist has no roster file: nothing is made or read
    // outside the folder.
    state.rosterFileA = teamNameFitsFileName(state.teamNameA) ? teamFilePath(state.teamNameA).string() : std::string();
    state.rosterFileB = teamNameFitsFileName(state.teamNameB) ? teamFilePath(state.teamNameB).string() : std::string();
    for (const std::string* file : {&state.rosterFileA, &state.rosterFileB})
        if (!file->empty() && !sys::fileExists(*file))
            sys::replaceTextFile(*file, {});
    showSide(readTeamRoster(state.rosterFileA), 0, "namelab1", "numlab1");
    showSide(readTeamRoster(state.rosterFileB), 2, "namelab2", "numlab2");
}

} // namespace scoreboard
