#pragma once
#include "platform/system/text_writer.h"

#include <filesystem>
#include <functional>

namespace plat::sys {

// Saves a file the user named, as a text editor does. Mostly by replaceFile (a temporary file
// beside it, renamed over it). Written in place instead, into the file itself, where a new file
// cannot take its place: when the folder takes no temporary file (no write permission, or no
// write bit even for the superuser) or when the file has other names (hard links), which a rename
// would part from the new text. In place, the content is made whole first and the room for it
// taken before the first byte changes, so only a failure of the disk itself in the middle leaves
// the file half written. The path must be the file itself, not a symbolic link (resolve it first);
// anything but a regular file is refused and never waited on. False when nothing could be
// written, the file then as it was.
bool saveFileInPlaceWhereNeeded(const std::filesystem::path& path, const std::function<bool(TextWriter&)>& write);

} // namespace plat::sys
