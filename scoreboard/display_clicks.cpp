#include "scoreboard/display_clicks.h"

#include "scoreboard/form_parts.h"
#include "scoreboard/match_state.h"

#include "platform/forms/form.h"

#include <memory>

namespace scoreboard {

namespace forms = plat::forms;

void connectDisplayDoubleClicks(forms::Form& main, std::function<void(SetupDialog)> openDialog)
{
    auto open = std::make_shared<std::function<void(SetupDialog)>>(std::move(openDialog));
    auto opener = [open](SetupDialog dialog) {
        return [open, dialog] {
            if (*open)
                (*open)(dialog);
        };
    };
    forEachItem(main, "titxt", [&](forms::Control& item, int) { onDoubleClickOf(&item, opener(SetupDialog::TitleAndReferees)); });
    onDoubleClickOf(findPart(main, "balltime"), opener(SetupDialog::Clock));
    onDoubleClickOf(findPart(main, "balltime2"), opener(SetupDialog::Clock));
    forEachItem(main, "ballname", [&](forms::Control& item, int) { onDoubleClickOf(&item, opener(SetupDialog::Teams)); });
    forEachItem(main, "ballnumber", [&](forms::Control& item, int) { onDoubleClickOf(&item, opener(SetupDialog::Score)); });
    onDoubleClickOf(findPart(main, "ballnum2"), opener(SetupDialog::Period));
    onDoubleClickOf(findPart(main, "ballmakenum"), opener(SetupDialog::Period));
}

void connectHoverTexts(forms::Form& main, std::function<std::string(int keyCode)> keyName)
{
    if (forms::Control* ok = findPart(main, "ok"))
        onMouseMoveOf(ok, [ok, keyName = std::move(keyName)] {
            ok->setToolTipText(captionOf(ok) + " " + (keyName ? keyName(user().keyStartPause) : std::string()));
        });
    if (forms::Control* clock = findPart(main, "balltime"))
        onMouseMoveOf(clock, [clock] { clock->setToolTipText("比赛时间:" + captionOf(clock)); });
    forEachItem(main, "ballname", [](forms::Control& item, int) {
        onMouseMoveOf(&item, [&item] { item.setToolTipText(captionOf(&item)); });
    });
}

} // namespace scoreboard
