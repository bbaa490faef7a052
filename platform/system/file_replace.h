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
// A new file gets the usual permissions; an existing one keeps its own.
bool replaceFile(const std::filesystem::path& path, const std::function<bool(TextWriter&)>& write);

// The same with the lines given, each ended by CR LF.
bool replaceTextFile(const std::filesystem::path& path, const std::vector<std::string>& lines);

// Removes the temporary files that replaces in `folder` left when their process was ended in the
// middle: only files named as a replace names them whose process is gone. Returns how many.
int removeStaleTemporaryFiles(const std::filesystem::path& folder);

} // namespace plat::sys
