#pragma once
#include "platform/system/text_writer.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace plat::sys {

// Rewrites a whole file safely: the new content goes to a temporary file in the same folder, which
// is synced and then renamed over the target. When any step fails (or `write` returns false) the
// temporary file is removed, the old file is left as it was, and false is returned.
// A new file gets the usual permissions; an existing one keeps its own. Nothing is ever written
// through a symbolic link: the temporary file is made new (never opened through a link), and the
// rename puts a file in the place of a link at the target, leaving what the link points to alone.
// Nor is anything written where a pipe, a device or a folder stands at the target (it is left as it
// is, and false returned, without waiting on it), or below a linked folder of the data folder
// (throughLinkedDataSubfolder). This is how every file of the data folders is written.
bool replaceFile(const std::filesystem::path& path, const std::function<bool(TextWriter&)>& write);

// The same for a file that must not be there yet: fails, leaving it, when anything of that name
// (a file, a folder, a link, even a dangling one) is there when the new file is put in place.
bool createFile(const std::filesystem::path& path, const std::function<bool(TextWriter&)>& write);

// The same with the lines given, each ended by CR LF.
bool replaceTextFile(const std::filesystem::path& path, const std::vector<std::string>& lines);

// Removes the temporary files that replaces in `folder` left when their process was ended in the
// middle: only files named as a replace names them whose process is gone. Returns how many.
int removeStaleTemporaryFiles(const std::filesystem::path& folder);

} // namespace plat::sys
