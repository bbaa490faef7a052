// date\config.db through the settings reader, as the program reads it at the start, written back
// as a save writes it and read again: the second reading gives what the first did, and every text
// the reader kept (the title, the team names, the referees) is written back byte for byte.
#include "program_folder_file.h"
#include "round_trip.h"
#include "scoreboard/match_state.h"
#include "scoreboard/settings_store.h"

#include <utility>

namespace {

// The value of the last line "key=value" that the settings reader takes, as raw bytes.
std::optional<std::string_view> lastSetting(std::string_view bytes, std::string_view key)
{
    std::optional<std::string_view> value;
    for (std::string_view line : fuzz::rawLines(bytes)) {
        const size_t split = line.find('=');
        if (split == std::string_view::npos || split + 1 == line.size() || line.substr(0, split) != key)
            continue;
        if (plat::sys::decodeAnsi(line).size() > scoreboard::kLongestSettingLine)
            continue;
        value = line.substr(split + 1);
    }
    return value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using scoreboard::MatchState;
    const auto path = fuzz::placeInput("date/config.db", data, size);
    scoreboard::user() = MatchState{};
    scoreboard::LoadConfigDb();
    const MatchState first = scoreboard::user();
    const std::vector<std::string> written = scoreboard::configDbLines(first);
    const std::string writtenBytes = fuzz::writeLines(path, written);

    scoreboard::user() = MatchState{};
    scoreboard::LoadConfigDb();
    fuzz::check(scoreboard::configDbLines(scoreboard::user()) == written, "config.db reads back otherwise than it was written");
    fuzz::check(fuzz::writeLines(path, scoreboard::configDbLines(scoreboard::user())) == writtenBytes,
        "config.db is written otherwise the second time");

    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::pair<const char*, std::string MatchState::*> texts[] = {{"allname", &MatchState::matchTitle},
        {"ballname1", &MatchState::teamNameA}, {"ballname2", &MatchState::teamNameB}, {"zainame1", &MatchState::refereeName1},
        {"zainame2", &MatchState::refereeName2}, {"zainame3", &MatchState::refereeName3}};
    for (const auto& [key, field] : texts)
        if (std::optional<std::string_view> raw = lastSetting(input, key))
            fuzz::check(plat::sys::encodeAnsi(first.*field) == *raw, key);
    return 0;
}
