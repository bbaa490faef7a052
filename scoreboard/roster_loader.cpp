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

using Labels = plat::forms::ControlArray<plat::forms::Label>;

void setPlayerLabel(const Labels& labels, int index, const std::string& text, bool visible)
{
    labels[index].setCaption(text);
    labels[index].setVisible(visible);
}

void showSide(const TeamRoster& roster, const Labels& staff, int staffIndex, const Labels& names, const Labels& numbers)
{
    staff[staffIndex].setCaption(roster.coach);
    staff[staffIndex + 1].setCaption(roster.leader);
    for (size_t k = 0; k < roster.players.size() && k < size_t(kRosterRows); ++k) {
        setPlayerLabel(names, int(k), roster.players[k].name, true);
        setPlayerLabel(numbers, int(k), roster.players[k].number, true);
    }
}

} // namespace

std::filesystem::path teamsFolder() { return sys::programPath("binlist"); }

std::filesystem::path teamFilePath(std::string_view teamName) { return teamsFolder() / (std::string(teamName) + ".ini"); }

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
    const BoardControls* board = boardControls();
    if (board) {
        for (int i = 0; i <= 3; ++i)
            board->bflab[i].setCaption("");
        for (int i = 0; i < kRosterRows; ++i)
            for (const Labels* labels : {&board->namelab1, &board->numlab1, &board->namelab2, &board->numlab2})
                setPlayerLabel(*labels, i, "", false);
    }
    MatchState& state = user();
    // A team whose name cannot be a file of binlist has no roster file: nothing is made or read
    // outside the folder.
    state.rosterFileA = teamNameFitsFileName(state.teamNameA) ? teamFilePath(state.teamNameA).string() : std::string();
    state.rosterFileB = teamNameFitsFileName(state.teamNameB) ? teamFilePath(state.teamNameB).string() : std::string();
    for (const std::string* file : {&state.rosterFileA, &state.rosterFileB})
        if (!file->empty() && !sys::fileExists(*file))
            sys::replaceTextFile(*file, {});
    const TeamRoster rosterA = readTeamRoster(state.rosterFileA);
    const TeamRoster rosterB = readTeamRoster(state.rosterFileB);
    if (!board)
        return;
    showSide(rosterA, board->bflab, 0, board->namelab1, board->numlab1);
    showSide(rosterB, board->bflab, 2, board->namelab2, board->numlab2);
}

} // namespace scoreboard
