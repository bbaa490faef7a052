#pragma once
#include "platform/system/single_instance.h"

#include <filesystem>

namespace scoreboard {

// The lock file that tells a second copy of the scoreboard that one runs already. It lies in the
// user's runtime folder ($XDG_RUNTIME_DIR, else /tmp), named after the program folder, so that
// the program folder itself holds only the program's files and a refused start writes nothing.
std::filesystem::path instanceLockPath();

plat::sys::SingleInstanceLock acquireInstanceLock();

} // namespace scoreboard
