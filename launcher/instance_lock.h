#pragma once
#include "platform/system/single_instance.h"

#include <filesystem>

namespace launcher {

// The lock file that tells a second copy of the launcher that one runs already. It lies in the
// user's runtime folder ($XDG_RUNTIME_DIR, else /tmp), named after the program folder, so that a
// refused start writes nothing into the program folder.
std::filesystem::path instanceLockPath();

plat::sys::SingleInstanceLock acquireInstanceLock();

} // namespace launcher
