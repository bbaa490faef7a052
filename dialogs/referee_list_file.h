#pragma once
#include <filesystem>
#include <string>
#include <vector>

namespace dialogs {

// date\zailistname.db: the known referee names, one a line in the ANSI code page, every line
// ended by CR LF, no header and no empty lines.
std::filesystem::path refereeListPath();

// The names of the file in file order, each trimmed of blanks; lines left empty are skipped and
// duplicates kept. A line feed on its own ends a line too (a name never holds one). A missing file is created empty first (its folder too); a file that cannot be
// read gives no names.
std::vector<std::string> readRefereeList();

// Replaces the file whole with one line per name (none for an empty list), making its folder
// when it has gone. False when it could not be written; the old file is then left as it was.
bool writeRefereeList(const std::vector<std::string>& names);

} // namespace dialogs
