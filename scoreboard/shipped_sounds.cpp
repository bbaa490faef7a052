#include "scoreboard/shipped_sounds.h"

#include "platform/system/file_system.h"
#include "platform/system/program_folder.h"

#include <system_error>

namespace scoreboard {

namespace fs = std::filesystem;
namespace sys = plat::sys;

int restoreShippedSounds(const fs::path& shippedFolder, const fs::path& programFolder)
{
    const fs::path from = shippedFolder / "sound";
    const fs::path to = programFolder / "sound";
    std::error_code error;
    if (fs::equivalent(from, to, error) || !sys::folderExists(from))
        return 0;
    int copied = 0;
    for (const std::string& name : sys::listFiles(from)) {
        if (fs::path(name).extension() != ".wav" || sys::pathExists(to / name))
            continue;
        if (!sys::folderExists(to) && !sys::makeFolder(to))
            return copied;
        if (sys::copyFile(from / name, to / name, sys::CopyMode::KeepExisting))
            ++copied;
    }
    return copied;
}

int restoreShippedSounds() { return restoreShippedSounds(sys::executableFolder(), sys::programFolder()); }

} // namespace scoreboard
