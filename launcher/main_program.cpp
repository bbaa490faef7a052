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
    if (!platform->fallbackReason().empty())
        std::fprintf(stderr, "main: running without a display (%s)\n", platform->fallbackReason().c_str());
    launcher::LauncherProgram program;
    if (!program.start())
        return 0;
    return platform->windows().run();
}
