#include "scoreboard/main_clock_hooks.h"
#include "scoreboard/display_routines.h"
#include "scoreboard/main_form.h"

#include "controls/core/qel_command.h"
#include "platform/media/alpha_image.h"

namespace scoreboard {

namespace {

void clickButton(plat::forms::Form& form, std::string_view name, int index = -1)
{
    auto* button = dynamic_cast<qel::qelCommand*>(index < 0 ? form.find(name) : form.find(name, index));
    if (button && button->Click)
        button->Click();
}

} // namespace

MainClockBoard::Hooks mainFormClockHooks(MainForm& form, std::function<void(bool)> setMatchBlinkPhase)
{
    MainClockBoard::Hooks hooks;
    hooks.ResetClockDisplay = [] { scoreboard::ResetClockDisplay(); };
    hooks.ShowPeriod = [] { scoreboard::ShowPeriod(); };
    hooks.ShowPeriodTable = [] { scoreboard::ShowPeriodTable(); };
    hooks.matchMode = [&form] { clickButton(form, "on1", 1); };
    hooks.scoreSheet = [&form] { clickButton(form, "on1", 3); };
    hooks.inshowfame = [&form] { form.inshowfame(); };
    hooks.liveModeOn = [&form] {
        auto* video = dynamic_cast<qel::qelCommand*>(form.find("videmode"));
        return video && !video->Enabled();
    };
    hooks.leaveLiveMode = [&form] { clickButton(form, "MP3mode"); };
    hooks.musicPlaying = [&form] { return form.wplay().playState() == plat::media::PlayStatePlaying; };
    hooks.pauseMusic = [&form] {
        auto* pause = dynamic_cast<plat::media::AlphaImage*>(form.find("a1", 2));
        if (pause && pause->onClick)
            pause->onClick();
    };
    hooks.setMatchBlinkPhase = std::move(setMatchBlinkPhase);
    return hooks;
}

} // namespace scoreboard
