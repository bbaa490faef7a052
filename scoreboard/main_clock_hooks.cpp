#include "scoreboard/main_clock_hooks.h"
#include "scoreboard/display_routines.h"
#include "scoreboard/main_form.h"

#include "controls/core/qel_command.h"
#include "platform/media/alpha_image.h"

namespace scoreboard {

namespace {

void click(qel::qelCommand& button)
{
    if (button.Click)
        button.Click();
}

} // namespace

MainClockBoard::Hooks mainFormClockHooks(MainForm& form, std::function<void(bool)> setMatchBlinkPhase)
{
    MainClockBoard::Hooks hooks;
    hooks.ResetClockDisplay = [] { scoreboard::ResetClockDisplay(); };
    hooks.ShowPeriod = [] { scoreboard::ShowPeriod(); };
    hooks.ShowPeriodTable = [] { scoreboard::ShowPeriodTable(); };
    hooks.matchMode = [&form] {
        if (const BoardControls* c = form.boundControls())
            click(c->on1[1]);
    };
    hooks.scoreSheet = [&form] {
        if (const BoardControls* c = form.boundControls())
            click(c->on1[3]);
    };
    hooks.inshowfame = [&form] { form.inshowfame(); };
    hooks.liveModeOn = [&form] {
        const BoardControls* c = form.boundControls();
        return c && !c->videmode.Enabled();
    };
    hooks.leaveLiveMode = [&form] {
        if (const BoardControls* c = form.boundControls())
            click(c->MP3mode);
    };
    hooks.musicPlaying = [&form] { return form.wplay().playState() == plat::media::PlayStatePlaying; };
    hooks.pauseMusic = [&form] {
        const BoardControls* c = form.boundControls();
        if (c && c->a1[2].onClick)
            c->a1[2].onClick();
    };
    hooks.setMatchBlinkPhase = std::move(setMatchBlinkPhase);
    return hooks;
}

} // namespace scoreboard
