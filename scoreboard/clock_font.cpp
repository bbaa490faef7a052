#include "scoreboard/clock_font.h"

#include "platform/system/file_system.h"
#include "platform/system/program_folder.h"

namespace scoreboard {

namespace sys = plat::sys;

std::filesystem::path installedClockFontPath() { return sys::userFontFolder() / kClockFontFile; }

bool installClockFont(const FontInstaller& install)
{
    if (sys::fileExists(installedClockFontPath()))
        return false;
    const std::filesystem::path shipped = sys::shippedPath(kClockFontFile);
    if (!sys::fileExists(shipped))
        return false;
    return install(shipped, kClockFontFamily) == sys::FontInstall::Installed;
}

} // namespace scoreboard
