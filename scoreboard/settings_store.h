#pragma once
#include "scoreboard/match_state.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace scoreboard {

// Stores one setting of the settings files into the match state, converting the text the way its
// field needs. True when the key is one of the known ones (exact, case-sensitive), even when the
// value does not convert and the field is left as it was; false, and nothing changed, for any other.
bool SetSetting(std::string_view key, std::string_view value);

// The settings reader: every line "key=value" of the file, split at its first "=", goes through
// SetSetting; empty lines, lines without "=" and lines with an empty value are skipped.
// A missing file is created empty and reads as empty.
void loadSettingsFile(const std::filesystem::path& path);

// date\config.db and date\keyconfig.db of the program folder through the reader.
void LoadConfigDb();
void LoadKeyConfigDb();

// The nine lines that date\config.db keeps of the match state, in order.
std::vector<std::string> configDbLines(const MatchState& state);
// Replaces date\config.db with the match state's settings. False when it could not be written;
// the old file is then left whole.
bool SaveConfigDb();

std::filesystem::path configDbPath();
std::filesystem::path keyConfigDbPath();
std::filesystem::path systemDbPath();

} // namespace scoreboard
