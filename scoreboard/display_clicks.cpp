#include "scoreboard/display_clicks.h"

#include "scoreboard/board_form.h"
#include "scoreboard/form_parts.h"
#include "scoreboard/match_state.h"

#include "controls/core/qel_command.h"
#include "controls/core/qel_label.h"
#include "platform/forms/label.h"

#include <memory>

namespace scoreboard {

namespace forms = plat::forms;

void connectDisplayDoubleClicks(const BoardControls& main, std::function<void(SetupDialog)> openDialog)
{
    auto open = std::make_shared<std::function<void(SetupDialog)>>(std::move(openDialog));
    auto opener = [open](SetupDialog dialog) {
        return [open, dialog] {
            if (*open)
                (*open)(dialog);
        };
    };
    for (auto [index, title] : main.titxt)
        onDoubleClickOf(&title, opener(SetupDialog::TitleAndReferees));
    onDoubleClickOf(&main.balltime, opener(SetupDialog::Clock));
    onDoubleClickOf(&main.balltime2, opener(SetupDialog::Clock));
    for (auto [index, name] : main.ballname)
        onDoubleClickOf(&name, opener(SetupDialog::Teams));
    for (auto [index, score] : main.ballnumber)
        onDoubleClickOf(&score, opener(SetupDialog::Score));
    onDoubleClickOf(&main.ballnum2, opener(SetupDialog::Period));
    onDoubleClickOf(&main.ballmakenum, opener(SetupDialog::Period));
}

void connectHoverTexts(const BoardControls& main, std::function<std::string(int keyCode)> keyName)
{
    qel::qelCommand* ok = &main.ok;
    onMouseMoveOf(ok, [ok, keyName = std::move(keyName)] {
        ok->setToolTipText(ok->Caption() + " " + (keyName ? keyName(user().keyStartPause) : std::string()));
    });
    qel::qelLabel* clock = &main.balltime;
    onMouseMoveOf(clock, [clock] { clock->setToolTipText("比赛时间:" + clock->Caption()); });
    for (auto [index, name] : main.ballname)
        onMouseMoveOf(&name, [&name = name] { name.setToolTipText(name.Caption()); });
}

} // namespace scoreboard
