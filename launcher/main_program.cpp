// The launcher: prepares the display and the clock font, then starts the scoreboard program.
#include "launcher/launcher_program.h"

#include "platform/backend/platform.h"
#include "platform/system/program_folder.h"

#include <cstdio>

int main()
{
    plat::sys::settleProgramFolder();
    plat::backend::PlatformOptions options;
    options.programName = "main";
    options.fullscreen = false;
    std::unique_ptr<plat::backend::Platform> platform = plat::backend::Platform::start(options);
    if (!platform->fallbackReason().empty()) {
        // A board started here would run hidden and hold the data folder, and the next launcher
        // from the desktop would switch the display for a board that cannot start.
        std::fprintf(stderr, "main: no display to switch (%s); the board is not started\n", platform->fallbackReason().c_str());
        return 1;
    }
    launcher::LauncherProgram program;
    if (!program.start())
        return 0;
    return platform->windows().run();
}
