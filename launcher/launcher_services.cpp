#include "launcher/launcher_services.h"
#include "launcher/launcher_files.h"

#include "platform/system/font_install.h"
#include "platform/system/process.h"

namespace launcher {

LauncherServices systemLauncherServices()
{
    LauncherServices services;
    services.addFontResource = [](const std::filesystem::path& installedFont) {
        // The file lies in the font folder already, so this only registers it with this process.
        (void)plat::sys::installFont(installedFont, kClockFontFamily);
    };
    services.startProgram = [](const std::filesystem::path& program) { return plat::sys::startDetached(program); };
    services.clockFontKnown = [] { return plat::sys::fontFamilyAvailable(kClockFontFamily); };
    return services;
}

} // namespace launcher
