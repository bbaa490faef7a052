// The scoreboard program: the start-up screen, then the scoreboard.
#include "scoreboard/ball_program.h"

#include "dialogs/open_dialog.h"

#include "platform/backend/platform.h"
#include "platform/window/end_signals.h"
#include "scoreboard/control_set.h"

#include <cstdio>

int main()
{
    scoreboard::registerProgramControls();
    scoreboard::setSetupDialogOpener(dialogs::openDialog);
    // Before the platform, and outliving it: its backends wait on the signals' pipe.
    plat::win::EndSignals endSignals;
    std::unique_ptr<plat::backend::Platform> platform = plat::backend::Platform::start({});
    if (!platform->fallbackReason().empty())
        std::fprintf(stderr, "ball: running without a display (%s)\n", platform->fallbackReason().c_str());
    scoreboard::BallProgram program(scoreboard::systemStartupServices());
    program.takeEndSignals(platform->windows());
    if (!program.start())
        return 0;
    return platform->windows().run();
}
