#include "scoreboard/clock_font.h"

#include "platform/system/file_system.h"
#include "platform/system/program_folder.h"

namespace scoreboard {

namespace sys = plat::sys;

std::filesystem::path installedClockFontPath() { return sys::userFontFolder() / kClockFontFile; }

std::filesystem::path shippedClockFontPath() { return sys::shippedPath(kClockFontFile); }

bool installClockFont(const FontInstaller& install, const std::filesystem::path& shippedFont)
{
    if (sys::fileExists(installedClockFontPath()) || !sys::fileExists(shippedFont))
        return false;
    return install(shippedFont, kClockFontFamily) == sys::FontInstall::Installed;
}

} // namespace scoreboard
