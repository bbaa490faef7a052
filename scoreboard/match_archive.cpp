#include "scoreboard/match_archive.h"

#include "platform/system/ansi_codec.h"
#include "platform/system/file_backup.h"
#include "platform/system/file_replace.h"
#include "platform/system/file_system.h"


namespace scoreboard {

namespace {

std::string_view trimLeadingBlanks(std::string_view value)
{
    size_t start = value.find_first_not_of(" \t");
    return start == std::string_view::npos ? std::string_view() : value.substr(start);
}

// The lines of the text, each without its line end (CR LF, CR or LF).
std::vector<std::string_view> splitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
    }
    return lines;
}

// Whether rewriting `lines` keeps everything the file's bytes hold: the same lines but for empty
// ones and the kind of line end. (No trail byte of the ANSI code page is a CR or an LF.)
bool rewriteKeepsAll(std::string_view bytes, const std::vector<std::string>& lines)
{
    size_t next = 0;
    for (std::string_view line : splitLines(bytes)) {
        if (line.empty())
            continue;
        if (next >= lines.size() || plat::sys::encodeAnsi(lines[next]) != line)
            return false;
        ++next;
    }
    return next == lines.size();
}

} // namespace

std::vector<StoredMatch> parseArchive(std::string_view text)
{
    std::vector<StoredMatch> matches;
    for (std::string_view line : splitLines(text)) {
        std::string_view value = trimLeadingBlanks(line);
        if (value.empty())
            continue;
        for (size_t field = 0; field < kRecordKeys.size(); ++field) {
            const std::string_view key = kRecordKeys[field];
            if (!value.starts_with(key))
                continue;
            // The fourth field is "VS" in every record, as it is written back, also in a record
            // that was cut off before its "VS=" line.
            if (field == 0)
                matches.emplace_back().fields[kVersusField] = "VS";
            if (!matches.empty())
                matches.back().fields[field] = field == kVersusField ? "VS" : std::string(value.substr(key.size()));
            break;
        }
    }
    return matches;
}

std::vector<std::string> archiveLines(const std::vector<StoredMatch>& matches)
{
    std::vector<std::string> lines;
    lines.reserve(matches.size() * kRecordKeys.size());
    for (const StoredMatch& match : matches)
        for (size_t field = 0; field < kRecordKeys.size(); ++field)
            lines.push_back(std::string(kRecordKeys[field]) + (field == kVersusField ? "VS" : match.fields[field]));
    return lines;
}

std::optional<std::string> archiveBytes(const std::filesystem::path& archive)
{
    return plat::sys::readFileBytes(archive);
}

std::optional<ArchiveSnapshot> readArchive(const std::filesystem::path& archive)
{
    std::optional<std::string> bytes = archiveBytes(archive);
    if (!bytes)
        return std::nullopt;
    ArchiveSnapshot snapshot;
    snapshot.bytes = std::move(*bytes);
    snapshot.matches = parseArchive(plat::sys::decodeAnsi(snapshot.bytes));
    snapshot.heldWhole = rewriteKeepsAll(snapshot.bytes, archiveLines(snapshot.matches));
    return snapshot;
}

bool writeArchive(const std::filesystem::path& archive, const std::vector<StoredMatch>& matches)
{
    return plat::sys::replaceTextFile(archive, archiveLines(matches));
}

bool clearArchive(const std::filesystem::path& archive) { return plat::sys::replaceTextFile(archive, {""}); }

std::filesystem::path archiveBackupPath(const std::filesystem::path& archive) { return plat::sys::backupPath(archive); }

} // namespace scoreboard
