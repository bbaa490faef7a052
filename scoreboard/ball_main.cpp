// The scoreboard program: the start-up screen, then the scoreboard.
#include "scoreboard/ball_program.h"
#include "scoreboard/stored_layouts.h"

#include "dialogs/open_dialog.h"

#include "platform/backend/platform.h"
#include "platform/forms/layout_error.h"
#include "platform/forms/display_screen.h"
#include "platform/forms/message_box.h"
#include "platform/system/program_folder.h"
#include "platform/window/end_signals.h"
#include "platform/window/loop_stalled.h"
#include "scoreboard/control_set.h"

#include <cstdio>

int main()
{
    plat::sys::settleProgramFolder();
    scoreboard::registerProgramControls();
    scoreboard::setSetupDialogOpener(dialogs::openDialog);
    // Before the platform, and outliving it: its backends wait on the signals' pipe.
    plat::win::EndSignals endSignals;
    plat::backend::PlatformOptions options;
    options.programName = "ball";
    std::unique_ptr<plat::backend::Platform> platform = plat::backend::Platform::start(options);
    if (!platform->fallbackReason().empty())
        std::fprintf(stderr, "ball: running without a display (%s)\n", platform->fallbackReason().c_str());
    try {
        scoreboard::BallProgram program(scoreboard::systemStartupServices());
        program.takeEndSignals(platform->windows());
        if (!program.start())
            return program.refusedStartStatus();
        return platform->windows().run();
    } catch (const plat::forms::LayoutError& error) {
        // A layout the start-up check passed and a form still refused: say which, then end.
        std::fprintf(stderr, "ball: %s\n", error.what());
        plat::forms::DisplaySizedScreen displaySized;
        plat::forms::msgBox(scoreboard::unreadableLayoutText(error), plat::forms::vbOKOnly | plat::forms::vbCritical, "系统提示");
        return 1;
    } catch (const plat::win::LoopStalled& stalled) {
        // Headless, a box waits for an answer nobody can give.
        std::fprintf(stderr, "ball: %s\n", stalled.what());
        return 1;
    }
}
