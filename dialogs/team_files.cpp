#include "dialogs/team_files.h"

#include "scoreboard/default_files.h"
#include "scoreboard/roster_loader.h"

#include "platform/system/file_backup.h"
#include "platform/system/file_replace.h"
#include "platform/system/file_system.h"
#include "platform/system/program_folder.h"
#include "platform/system/text_functions.h"

#include <algorithm>

namespace dialogs {

namespace sys = plat::sys;

namespace {

constexpr std::string_view kExtension = ".ini";
bool hasControlCharacter(std::string_view text)
{
    for (unsigned char c : text)
        if (c < 0x20 || c == 0x7F)
            return true;
    return false;
}

} // namespace

std::vector<std::string> listTeams()
{
    const std::filesystem::path folder = teamsFolder();
    if (!sys::folderExists(folder) && sys::makeFolder(folder)) {
        for (const std::string& name : scoreboard::defaultTeamFileNames())
            sys::replaceTextFile(folder / name, {});
    }
    std::vector<std::string> teams;
    for (const std::string& file : sys::listFiles(folder)) {
        if (file.size() <= kExtension.size() || !file.ends_with(kExtension))
            continue;
        // A file put there by hand under a name no team can have (one the board would look
        // for elsewhere) is no team.
        std::string team = file.substr(0, file.size() - kExtension.size());
        if (teamNameProblem(team).empty())
            teams.push_back(std::move(team));
    }
    return teams;
}

std::string teamNameProblem(std::string_view name)
{
    if (name.empty())
        return "球队名称不能为空！";
    if (scoreboard::teamNameFitsFileName(name))
        return {};
    if (name.find_first_not_of('.') == std::string_view::npos)
        return "球队名称不能只由点号组成！";
    return "球队名称不能包含以下字符：\\ / : * ? \" < > | 及控制字符！";
}

std::string rosterTextProblem(std::string_view text, RosterField field)
{
    static constexpr std::string_view kFieldNames[] = {"教练姓名", "领队姓名", "队员姓名", "球号"};
    const std::string what(kFieldNames[int(field)]);
    const bool number = field == RosterField::Number;
    if (number && text.empty())
        return what + "不能为空！";
    if (text.find(',') != std::string_view::npos)
        return what + "不能包含逗号“,”！";
    if (text.find('"') != std::string_view::npos)
        return what + "不能包含双引号“\"”！";
    if (hasControlCharacter(text))
        return what + "不能包含控制字符！";
    if (number && text.find('=') != std::string_view::npos)
        return what + "不能包含“=”！";
    return {};
}

namespace {

// A value as list input gives it back: one that holds a comma, or starts with a blank or a quote,
// or ends with a blank, goes in double quotes, which keep it whole. (A value the reader gave holds
// a comma only when it was quoted, and then no quote.)
std::string listValue(std::string text)
{
    constexpr std::string_view kBlanks = " \t";
    const bool plain = text.empty()
        || (text.find(',') == std::string::npos && kBlanks.find(text.front()) == std::string_view::npos && text.front() != '"'
            && kBlanks.find(text.back()) == std::string_view::npos);
    return plain ? text : "\"" + text + "\"";
}

} // namespace

std::vector<std::string> teamFileLines(const scoreboard::TeamRoster& roster)
{
    std::vector<std::string> lines{listValue("教练:" + roster.coach), listValue("领队:" + roster.leader)};
    for (const scoreboard::RosterPlayer& player : roster.players)
        lines.push_back(listValue("队员:" + player.name + "=" + player.number));
    return lines;
}

namespace {

// What the reader did not take from a team file goes when the file is rewritten or removed: it is
// kept first as <team>.ini.bak. False when that copy could not be made.
bool keepWhatTheReaderDrops(const std::filesystem::path& file)
{
    const std::vector<std::string> understood = teamFileLines(scoreboard::readTeamRoster(file));
    const auto kept = [&understood](std::string_view line) { return std::find(understood.begin(), understood.end(), line) != understood.end(); };
    return sys::keepWhatARewriteDrops(file, kept);
}

} // namespace

bool writeTeamFile(std::string_view name, const scoreboard::TeamRoster& roster)
{
    if (!teamNameProblem(name).empty())
        return false;
    const std::filesystem::path folder = teamsFolder();
    if (!sys::folderExists(folder))
        sys::makeFolder(folder);
    const std::filesystem::path file = teamFilePath(name);
    return keepWhatTheReaderDrops(file) && sys::replaceTextFile(file, teamFileLines(roster));
}

bool renameTeamFile(std::string_view oldName, std::string_view newName, const scoreboard::TeamRoster& roster)
{
    if (!teamNameProblem(oldName).empty())
        return false;
    const std::filesystem::path oldFile = teamFilePath(oldName);
    if (!keepWhatTheReaderDrops(oldFile) || !writeTeamFile(newName, roster))
        return false;
    sys::deleteFile(oldFile);
    return true;
}

} // namespace dialogs
