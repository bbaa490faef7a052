#pragma once
#include "dialogs/setup_dialog_form.h"

#include "platform/forms/control_array.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace plat::forms {
class TextBox;
}
namespace qel {
class qelCommand;
}

namespace dialogs {

// The controls of `m6` the dialog uses, bound once when it loads.
struct KeyDialogControls {
    plat::forms::ControlArray<plat::forms::TextBox> T1; // by KeyDialog::Action
    qel::qelCommand& mocommad;
    qel::qelCommand& qel1;
    qel::qelCommand& qel2;
};

// Binds them on a loaded `m6`: one it lacks, or of another class, throws ControlLookupError
// naming the form and the control.
KeyDialogControls bindKeyDialogControls(const plat::forms::Form& dialog);

// The shortcut-key dialog `m6`: the five keys of a match (start/pause, team A +1 and -1, team B
// +1 and -1), each chosen by pressing it while its box `T1(i)` has the focus. A key taken for one
// action is released from the action that held it. "默认值" shows the default keys in the boxes;
// "应用" puts the five keys in force and writes the four score keys to date\keyconfig.db;
// "取消" closes and keeps the keys that were in force. "应用" refuses, with "快捷键未设置好!", while an action has no key or two
// actions share one.
class KeyDialog : public SetupDialogForm {
public:
    // Indexes of editedKeys and of the boxes.
    enum Action { StartPause = 0, AddA, SubA, AddB, SubB, kActionCount };
    using Keys = std::array<int16_t, kActionCount>;

    static constexpr Keys kDefaultKeys = {13, 49, 112, 50, 113};

    KeyDialog();

    // The name of a virtual-key code, as the board names its keys; the empty text for none.
    static std::string ballkey(int16_t keyCode);
    // Releases keyCode from the first action other than `index` that holds it: that action gets
    // code 0 and an empty box.
    void sKey(int16_t keyCode, int16_t index);

    const Keys& editedKeys() const { return m_editedKeys; }

protected:
    void loadDialog() override;

private:
    // T1(index) KeyDown.
    void capture(int index, int keyCode);
    void showKey(int index);
    void defaults();
    void apply();
    // The first action whose key is missing, outside 1 to 254 or taken by an earlier action.
    int firstUnusableKey() const;

    Keys m_editedKeys{};
    std::optional<KeyDialogControls> m_bound;
};

// The shortcut-key dialog, modal; it returns once the dialog is closed.
void showKeyDialog();

} // namespace dialogs
