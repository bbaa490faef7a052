#pragma once
#include <filesystem>
#include <string>
#include <vector>

namespace plat::sys {

// Adds lines to the end of a text file as one piece: each line in the ANSI code page and ended by
// CR LF, the whole written in one append and synced to disk. The file is created when missing.
// When the piece cannot be written whole (no folder, disk full, file too large), whatever of it
// arrived is cut off again, so the file keeps exactly what it held, and false is returned.
// A symbolic link is never written through: it is replaced by a file holding what it showed and
// the new lines (the target stays as it was). What is no regular file (a pipe, a device) is
// refused without waiting on it, and so is a path below a linked folder of the data folder.
bool appendTextLines(const std::filesystem::path& path, const std::vector<std::string>& lines);

} // namespace plat::sys
