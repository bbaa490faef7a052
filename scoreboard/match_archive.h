#pragma once
#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace scoreboard {

// The key texts of the eleven lines of a stored match, in the order of its record and of the
// record list's columns. The fourth field is always "VS".
inline constexpr std::array<std::string_view, 11> kRecordKeys{
    "比赛时间=", "比赛主题=", "球队1=", "VS=", "球队2=", "第一节=", "第二节=", "第三节=", "第四节=", "总分=", "备注="};
inline constexpr size_t kVersusField = 3;

// One match as the archive stores it: field i is the value behind kRecordKeys[i].
struct StoredMatch {
    std::array<std::string, 11> fields;
    bool operator==(const StoredMatch&) const = default;
};

// The matches of the archive's text. Each non-empty line is one value (a line ends at CR LF, CR
// or LF, and keeps its commas); "比赛时间=" starts a new match and the other keys fill the field of
// the latest one, whatever their order. A line before the first match or with no known key is
// dropped; the fourth field is always "VS", with or without a "VS=" line.
std::vector<StoredMatch> parseArchive(std::string_view text);

// The eleven lines of every match, in order.
std::vector<std::string> archiveLines(const std::vector<StoredMatch>& matches);

// The archive file as it was read: its bytes (ANSI code page) and the matches they hold.
struct ArchiveSnapshot {
    std::string bytes;
    std::vector<StoredMatch> matches;
    // Rewriting the matches loses nothing of these bytes but empty lines and the kind of line
    // end: no line outside a record, no second value of a field, no text that does not decode.
    bool heldWhole = true;
};

// Reads an archive file; nullopt when it is missing or cannot be read.
std::optional<ArchiveSnapshot> readArchive(const std::filesystem::path& archive);

// The archive's bytes now, or nullopt when it cannot be read.
std::optional<std::string> archiveBytes(const std::filesystem::path& archive);

// Writes the archive whole through a temporary file, so that a failed write leaves the old one;
// no matches give an empty file. False when it could not be written.
bool writeArchive(const std::filesystem::path& archive, const std::vector<StoredMatch>& matches);

// The archive as "全部清空" leaves it: one empty line.
bool clearArchive(const std::filesystem::path& archive);

// Where a copy of an archive that a rewrite could not keep whole goes first.
std::filesystem::path archiveBackupPath(const std::filesystem::path& archive);

} // namespace scoreboard
