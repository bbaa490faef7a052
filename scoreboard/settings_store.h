#pragma once
#include "scoreboard/match_state.h"

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace plat::sys {
class TextReader;
}

namespace scoreboard {

// Stores one setting of the settings files into the match state, converting the text the way its
// field needs. True when the key is one of the known ones (exact, case-sensitive), even when the
// value does not convert and the field is left as it was; false, and nothing changed, for any other.
bool SetSetting(std::string_view key, std::string_view value);

// SetSetting into another state than the program's.
bool storeSetting(MatchState& state, std::string_view key, std::string_view value);

// Before a rewrite of the settings file `file` with linesOf(state): the file is kept
// as NAME.bak (file_backup.h) when a line of it would not be written again as it stands, whether
// it is no setting of that file or a value the rewrite changes (one the program refuses or writes
// in another form). A value the program changed itself is no loss: a line is taken as the reader
// would take it into a copy of `state`, and kept when linesOf that copy holds it. True when nothing is
// lost: no file, every line kept, or the copy made.
bool keepHandWrittenSettings(
    const std::filesystem::path& file, const MatchState& state, const std::function<std::vector<std::string>(MatchState&)>& linesOf);

// No setting the program writes comes near this length; a longer line is damage and skipped.
inline constexpr size_t kLongestSettingLine = 4096;

// The settings reader: every line "key=value" (ended by CR LF, CR or LF), split at its first "=",
// goes through SetSetting; empty lines, lines without "=", lines with an empty value and lines
// longer than kLongestSettingLine are skipped.
void readSettings(plat::sys::TextReader& reader);
// The same over the bytes of a settings file in the ANSI code page.
void readSettingsBytes(std::string_view ansiBytes);
// The reader over a file. A missing file is created empty and reads as empty.
void loadSettingsFile(const std::filesystem::path& path);

// date\config.db and date\keyconfig.db of the program folder through the reader. After the keys,
// a score key that neither file gave as a key code (1 to 254) is the first-run default.
void LoadConfigDb();
void LoadKeyConfigDb();
// Gives each score key that is no key code its first-run default, one by one.
void keepScoreKeysUsable(MatchState& state);

// The nine lines that date\config.db keeps of the match state, in order.
std::vector<std::string> configDbLines(const MatchState& state);
// Replaces date\config.db with the match state's settings. False when it could not be written;
// the old file is then left whole. A file holding lines the rewrite drops or changes (not one of
// its nine settings, or a value written by hand it refuses) is first kept as date\config.db.bak.
bool SaveConfigDb();
// SaveConfigDb, with a line on standard error when the file could not be written. Telling the
// operator is the caller's: the notice box while the board runs, a message box at its close.
bool saveSettings();
inline constexpr std::string_view kSettingsNotSavedNotice = "比赛设置保存失败!";
inline constexpr std::string_view kSettingsNotSavedMessage = "比赛设置保存失败!设置文件date\\config.db无法写入,请检查磁盘空间。";

std::filesystem::path configDbPath();
std::filesystem::path keyConfigDbPath();
std::filesystem::path systemDbPath();

} // namespace scoreboard
