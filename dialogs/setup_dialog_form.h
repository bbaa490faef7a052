#pragma once
#include "platform/forms/dialog_form.h"

namespace plat::forms {
class Control;
}

#include <string>
#include <string_view>

namespace dialogs {

// What the setup dialogs share: the stored layout resources/forms/<name>.json, the dialog frame
// with the window icon in its title bar, and the scoreboard's icon as the window icon. The close
// box is the close request, which unloads the form and writes nothing.
class SetupDialogForm : public plat::forms::DialogForm {
public:
    explicit SetupDialogForm(std::string name);

    // Shows the dialog modally over the scoreboard; when its loop ends the form is unloaded, so
    // the next opening starts afresh from the match state. A broken stored layout is reported in
    // a message box instead of reaching the caller.
    void showModal();

protected:
    // The icon and the frame, then loadDialog().
    void onLoad() final;
    // The dialog copies the match state into its controls.
    virtual void loadDialog() {}
    // Gives a control the focus (a Click that refuses points at the box to mend this way); the
    // text of a text box is selected, so typing replaces it.
    static void focusOn(plat::forms::Control& control);
};

} // namespace dialogs
