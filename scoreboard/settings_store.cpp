#include "scoreboard/settings_store.h"
#include "scoreboard/default_files.h"
#include "scoreboard/scoreboard_view.h"

#include "platform/system/ansi_codec.h"
#include "platform/system/conversions.h"
#include "platform/system/file_backup.h"
#include "platform/system/file_replace.h"
#include "platform/system/file_system.h"
#include "platform/system/program_folder.h"
#include "platform/system/text_reader.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <optional>

namespace scoreboard {

namespace sys = plat::sys;

namespace {

// Integer: the number rounded half to even.
void setRounded(int16_t& field, std::string_view value)
{
    if (auto number = sys::toInteger(value))
        field = *number;
}

// Integer: the whole part toward minus infinity.
void setWholePart(int16_t& field, std::string_view value)
{
    if (auto number = sys::integerPartAsInteger(value))
        field = *number;
}

// A period or overtime length: a length of no time at all, or below it, would leave the clock
// nothing to count, so it keeps the length there was.
void setLength(int16_t& field, std::string_view value)
{
    if (auto number = sys::toInteger(value); number && *number > 0)
        field = *number;
}

void setOption(bool& field, std::string_view value) { field = sys::isTrueText(value); }

struct SettingKey {
    std::string_view key;
    void (*store)(MatchState& state, std::string_view value);
};

const std::array<SettingKey, 27> kSettingKeys{{
    {"allname", [](MatchState& s, std::string_view v) { s.matchTitle = v; }},
    {"delalltime", [](MatchState& s, std::string_view v) { setLength(s.periodLength, v); }},
    {"alltime",
        [](MatchState& s, std::string_view v) {
            if (v.empty())
                s.clockSeconds = 720;
            else if (auto number = sys::toLong(v))
                s.clockSeconds = *number;
        }},
    {"zainame1", [](MatchState& s, std::string_view v) { s.refereeName1 = v; }},
    {"zainame2", [](MatchState& s, std::string_view v) { s.refereeName2 = v; }},
    {"zainame3", [](MatchState& s, std::string_view v) { s.refereeName3 = v; }},
    {"zainum", [](MatchState& s, std::string_view v) { setWholePart(s.refereeCount, v); }},
    {"jstime",
        [](MatchState& s, std::string_view v) {
            if (v.empty())
                s.overtimeLength = 300;
            else
                setLength(s.overtimeLength, v);
        }},
    {"makenum", [](MatchState& s, std::string_view v) { setRounded(s.periodNumber, v); }},
    {"ballname1", [](MatchState& s, std::string_view v) { s.teamNameA = v.empty() ? "篮球社团A队" : std::string(v); }},
    {"ballname2", [](MatchState& s, std::string_view v) { s.teamNameB = v.empty() ? "篮球社团B队" : std::string(v); }},
    {"bnum1", [](MatchState& s, std::string_view v) { setRounded(s.scoreA, v); }},
    {"bnum2", [](MatchState& s, std::string_view v) { setRounded(s.scoreB, v); }},
    {"starttime", [](MatchState& s, std::string_view v) { s.matchStartTime = v; }},
    {"pakey", [](MatchState&, std::string_view) {}},
    {"Aonkey", [](MatchState& s, std::string_view v) { setWholePart(s.keyAddA, v); }},
    {"Aoutkey", [](MatchState& s, std::string_view v) { setWholePart(s.keySubA, v); }},
    {"Bonkey", [](MatchState& s, std::string_view v) { setWholePart(s.keyAddB, v); }},
    {"Boutkey", [](MatchState& s, std::string_view v) { setWholePart(s.keySubB, v); }},
    {"gktime", [](MatchState& s, std::string_view v) { setWholePart(s.breakCountdown, v); }},
    {"playmp3name", [](MatchState& s, std::string_view v) { s.currentMp3 = v; }},
    {"sond10", [](MatchState& s, std::string_view v) { setOption(s.optTenSecondBeep, v); }},
    // Only a "True" counts here; anything else keeps the bell as it was.
    {"closesoud",
        [](MatchState& s, std::string_view v) {
            if (sys::isTrueText(v))
                s.optEndBell = true;
        }},
    {"ballnumsound", [](MatchState& s, std::string_view v) { setOption(s.optScoreSound, v); }},
    {"commnum",
        [](MatchState& s, std::string_view v) {
            setOption(s.optScoreButtons, v);
            if (ScoreboardView* view = scoreboardView()) {
                if (s.optScoreButtons)
                    view->ShowCommandBar();
                else
                    view->HideCommandBar();
            }
        }},
    {"closemusic", [](MatchState& s, std::string_view v) { setOption(s.optStopMusicOnStart, v); }},
    {"numback", [](MatchState& s, std::string_view v) { setOption(s.optScoreBacklight, v); }},
}};

} // namespace

bool storeSetting(MatchState& state, std::string_view key, std::string_view value)
{
    for (const SettingKey& entry : kSettingKeys) {
        if (entry.key == key) {
            entry.store(state, value);
            return true;
        }
    }
    return false;
}

bool SetSetting(std::string_view key, std::string_view value) { return storeSetting(user(), key, value); }

bool keepHandWrittenSettings(
    const std::filesystem::path& file, const MatchState& state, const std::function<std::vector<std::string>(MatchState&)>& linesOf)
{
    // A line stays when the rewrite writes it again as it stands: its value, read as the reader
    // reads it, comes out the same. One of another key, a value the program refuses (a length of
    // 0) or writes in another form (012, &H20) is the operator's and would go.
    const auto kept = [&state, &linesOf](std::string_view line) {
        const size_t split = line.find('=');
        if (split == std::string_view::npos || line.size() > kLongestSettingLine)
            return false;
        MatchState written = state;
        if (split + 1 < line.size() && !storeSetting(written, line.substr(0, split), line.substr(split + 1)))
            return false;
        const std::vector<std::string> lines = linesOf(written);
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    };
    return sys::keepWhatARewriteDrops(file, kept);
}

void readSettings(sys::TextReader& reader)
{
    while (std::optional<std::string> line = reader.readLine()) {
        if (line->size() > kLongestSettingLine)
            continue;
        // Split at the first "=", so that a value may itself hold one (a match title "A=B").
        size_t split = line->find('=');
        if (split == std::string::npos || split + 1 == line->size())
            continue;
        SetSetting(std::string_view(*line).substr(0, split), std::string_view(*line).substr(split + 1));
    }
}

void readSettingsBytes(std::string_view ansiBytes)
{
    sys::TextReader reader = sys::TextReader::fromText(sys::decodeAnsi(ansiBytes));
    readSettings(reader);
}

void loadSettingsFile(const std::filesystem::path& path)
{
    if (!sys::pathExists(path))
        sys::replaceTextFile(path, {});
    std::optional<sys::TextReader> reader = sys::TextReader::open(path);
    if (!reader)
        return;
    readSettings(*reader);
}

std::filesystem::path configDbPath() { return sys::programPath("date\\config.db"); }
std::filesystem::path keyConfigDbPath() { return sys::programPath("date\\keyconfig.db"); }
std::filesystem::path systemDbPath() { return sys::programPath("date\\system.db"); }

void LoadConfigDb() { loadSettingsFile(configDbPath()); }
void LoadKeyConfigDb()
{
    loadSettingsFile(keyConfigDbPath());
    keepScoreKeysUsable(user());
}

void keepScoreKeysUsable(MatchState& state)
{
    int16_t* keys[] = {&state.keyAddA, &state.keySubA, &state.keyAddB, &state.keySubB};
    for (size_t i = 0; i < std::size(keys); ++i)
        if (*keys[i] < 1 || *keys[i] > 254)
            *keys[i] = kDefaultScoreKeys[i];
}

std::vector<std::string> configDbLines(const MatchState& state)
{
    return {
        "allname=" + state.matchTitle,
        "delalltime=" + std::to_string(state.periodLength),
        "jstime=" + std::to_string(state.overtimeLength),
        "ballname1=" + state.teamNameA,
        "ballname2=" + state.teamNameB,
        "zainame1=" + state.refereeName1,
        "zainame2=" + state.refereeName2,
        "zainame3=" + state.refereeName3,
        "zainum=" + std::to_string(state.refereeCount),
    };
}

bool SaveConfigDb()
{
    // A date folder removed while the board runs is made again rather than losing the settings.
    std::error_code ignored;
    std::filesystem::create_directories(configDbPath().parent_path(), ignored);
    return keepHandWrittenSettings(configDbPath(), user(), [](MatchState& state) { return configDbLines(state); })
        && sys::replaceTextFile(configDbPath(), configDbLines(user()));
}

bool saveSettings()
{
    if (SaveConfigDb())
        return true;
    std::fprintf(stderr, "ball: the match settings could not be written to %s\n", configDbPath().c_str());
    return false;
}

} // namespace scoreboard
