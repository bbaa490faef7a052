#pragma once
#include <filesystem>

namespace plat::sys {

// Starts the program at `executable` without arguments and without waiting for it: it runs in a
// session of its own, is not a child of this process (so it never lingers as a zombie) and goes on
// after this process ends. It inherits the environment and the current folder.
// False when the program could not be started (missing, not executable, exec failed).
bool startDetached(const std::filesystem::path& executable);

} // namespace plat::sys
