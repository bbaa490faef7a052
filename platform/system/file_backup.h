#pragma once
#include <filesystem>
#include <functional>
#include <string_view>

namespace plat::sys {

// Where a file's copy goes before a rewrite drops something it holds: NAME.bak beside it.
std::filesystem::path backupPath(const std::filesystem::path& file);

// Copies `file` as it is to backupPath(file), replacing an older copy, and says so on standard
// error. False when the copy could not be made (the rewrite should then not happen).
bool keepBackup(const std::filesystem::path& file);

// Before a rewrite of `file`: when a non-empty line of it (decoded from the ANSI code page,
// without its line end) is one that `kept` says the rewrite does not write again, the file is kept
// by keepBackup first. True when nothing is lost: no file, every line kept, or the copy made.
bool keepWhatARewriteDrops(const std::filesystem::path& file, const std::function<bool(std::string_view line)>& kept);

} // namespace plat::sys
