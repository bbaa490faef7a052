#include "scoreboard/shipped_sounds.h"

#include "platform/system/file_system.h"
#include "platform/system/program_folder.h"

#include <system_error>

namespace scoreboard {

namespace fs = std::filesystem;
namespace sys = plat::sys;

SoundsRestored restoreShippedSounds(const fs::path& shippedFolder, const fs::path& dataFolder)
{
    const fs::path from = shippedFolder / "sound";
    const fs::path to = dataFolder / "sound";
    std::error_code error;
    SoundsRestored restored;
    if (fs::equivalent(from, to, error) || !sys::folderExists(from))
        return restored;
    for (const std::string& name : sys::listFiles(from)) {
        if (fs::path(name).extension() != ".wav")
            continue;
        const std::optional<std::string> shipped = sys::readFileBytes(from / name);
        if (!shipped || sys::readFileBytes(to / name) == shipped)
            continue;
        if (!sys::folderExists(to) && !sys::makeFolder(to)) {
            restored.unwritten.push_back(to);
            return restored;
        }
        if (sys::copyFile(from / name, to / name, sys::CopyMode::Overwrite))
            ++restored.copied;
        else
            restored.unwritten.push_back(to / name);
    }
    return restored;
}

SoundsRestored restoreShippedSounds() { return restoreShippedSounds(sys::executableFolder(), sys::programFolder()); }

} // namespace scoreboard
