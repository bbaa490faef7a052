#include "launcher/instance_lock.h"

#include "platform/system/program_folder.h"

#include <cstdlib>
#include <functional>
#include <string>

namespace launcher {

std::filesystem::path instanceLockPath()
{
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    std::filesystem::path folder = runtime && *runtime == '/' ? std::filesystem::path(runtime) : "/tmp";
    std::error_code error;
    std::filesystem::path program = plat::sys::programFolder();
    std::filesystem::path canonical = std::filesystem::weakly_canonical(program, error);
    size_t key = std::hash<std::string>()((error ? program : canonical).string());
    return folder / ("main-" + std::to_string(key) + ".lock");
}

plat::sys::SingleInstanceLock acquireInstanceLock() { return plat::sys::SingleInstanceLock::acquire(instanceLockPath()); }

} // namespace launcher
