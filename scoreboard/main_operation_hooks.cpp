#include "scoreboard/main_operation_hooks.h"

#include "scoreboard/main_clock_board.h"
#include "scoreboard/main_form.h"
#include "scoreboard/main_panels.h"

#include "controls/core/qel_command.h"

namespace scoreboard {

MainOperation::Hooks mainFormOperationHooks(MainForm& form)
{
    MainOperation::Hooks hooks;
    hooks.confirmReset = [&form] {
        if (MainMatchClock* clock = form.matchClock())
            clock->ConfirmReset();
    };
    hooks.openDialog = [](SetupDialog dialog) { openSetupDialog(dialog); };
    hooks.inshowfame = [&form] { form.inshowfame(); };
    hooks.fillOptionsPanel = [&form] {
        if (MainPanels* panels = form.panels())
            panels->options().fill();
    };
    hooks.liveModeOn = [&form] {
        const BoardControls* c = form.boundControls();
        return c && !c->videmode.Enabled();
    };
    hooks.leaveLiveMode = [&form] {
        const BoardControls* c = form.boundControls();
        if (c && c->MP3mode.Click)
            c->MP3mode.Click();
    };
    return hooks;
}

} // namespace scoreboard
