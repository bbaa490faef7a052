// The scoreboard program: the start-up screen, then the scoreboard.
#include "scoreboard/ball_program.h"

#include "dialogs/open_dialog.h"

#include "platform/backend/platform.h"
#include "scoreboard/control_set.h"

#include <cstdio>

int main()
{
    scoreboard::registerProgramControls();
    scoreboard::setSetupDialogOpener(dialogs::openDialog);
    std::unique_ptr<plat::backend::Platform> platform = plat::backend::Platform::start({});
    if (!platform->fallbackReason().empty())
        std::fprintf(stderr, "ball: running without a display (%s)\n", platform->fallbackReason().c_str());
    scoreboard::BallProgram program(scoreboard::systemStartupServices());
    if (!program.start())
        return 0;
    return platform->windows().run();
}
