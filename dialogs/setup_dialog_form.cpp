#include "dialogs/setup_dialog_form.h"

#include "scoreboard/scoreboard_view.h"

#include "platform/forms/image.h"
#include "platform/forms/layout_error.h"
#include "platform/forms/message_box.h"
#include "platform/forms/pictures.h"
#include "platform/forms/text_box.h"

namespace dialogs {

namespace forms = plat::forms;

SetupDialogForm::SetupDialogForm(std::string name)
    : DialogForm(std::move(name))
{
}

void SetupDialogForm::showModal()
{
    try {
        show(forms::ShowMode::Modal);
    } catch (const forms::LayoutError& e) {
        forms::msgBox(e.what(), forms::vbOKOnly | forms::vbCritical, "错误提示");
    }
    unload();
}

void SetupDialogForm::onLoad()
{
    if (const scoreboard::ScoreboardView* board = scoreboard::scoreboardView())
        setIcon(board->boardIcon());
    setTitleIcon(forms::loadPicture(this->icon()));
    loadDialog();
}

void SetupDialogForm::focusOn(forms::Control& control)
{
    control.setFocus();
    if (auto* box = dynamic_cast<forms::TextBox*>(&control))
        box->selectAll();
}

} // namespace dialogs
