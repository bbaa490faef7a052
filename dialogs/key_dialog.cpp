#include "dialogs/key_dialog.h"
#include "dialogs/key_config_file.h"

#include "scoreboard/control_binding.h"
#include "scoreboard/key_names.h"
#include "scoreboard/match_state.h"

#include "controls/core/qel_command.h"
#include "platform/forms/message_box.h"
#include "platform/forms/text_box.h"

namespace dialogs {

namespace forms = plat::forms;
using scoreboard::user;

namespace {

constexpr int kEnter = 13;
constexpr int kSpace = 32;
constexpr int kLeft = 37;
constexpr int kDown = 40;
constexpr int kF5 = 116;
constexpr int kF7 = 118;

bool isKeyCode(int code) { return code >= 1 && code <= 254; }

KeyDialog::Keys keysInForce()
{
    const scoreboard::MatchState& s = user();
    return {s.keyStartPause, s.keyAddA, s.keySubA, s.keyAddB, s.keySubB};
}

void putInForce(const KeyDialog::Keys& keys)
{
    scoreboard::MatchState& s = user();
    s.keyStartPause = keys[KeyDialog::StartPause];
    s.keyAddA = keys[KeyDialog::AddA];
    s.keySubA = keys[KeyDialog::SubA];
    s.keyAddB = keys[KeyDialog::AddB];
    s.keySubB = keys[KeyDialog::SubB];
}

} // namespace

KeyDialogControls bindKeyDialogControls(const forms::Form& dialog)
{
    return KeyDialogControls{
        .T1 = scoreboard::bindItems<forms::TextBox>(dialog, "T1", 0, KeyDialog::kActionCount - 1),
        .mocommad = dialog.get<qel::qelCommand>("mocommad"),
        .qel1 = dialog.get<qel::qelCommand>("qel1"),
        .qel2 = dialog.get<qel::qelCommand>("qel2"),
    };
}

KeyDialog::KeyDialog()
    : SetupDialogForm("m6")
{
}

std::string KeyDialog::ballkey(int16_t keyCode) { return scoreboard::ballkey(keyCode); }

void KeyDialog::loadDialog()
{
    const KeyDialogControls& c = m_bound.emplace(bindKeyDialogControls(*this));
    m_editedKeys = keysInForce();
    for (int i = 0; i < kActionCount; ++i) {
        forms::TextBox& box = c.T1[i];
        // The key is taken here and never reaches the box as text.
        box.onKeyDown = [this, i](int& keyCode, int) {
            const int code = keyCode;
            keyCode = 0;
            capture(i, code);
        };
        showKey(i);
    }
    c.mocommad.Click = [this] { defaults(); };
    c.qel1.Click = [this] { apply(); };
    c.qel2.Click = [this] { unload(); };
}

void KeyDialog::showKey(int index) { m_bound->T1[index].setText(ballkey(m_editedKeys[size_t(index)])); }

void KeyDialog::sKey(int16_t keyCode, int16_t index)
{
    for (int i = 0; i < kActionCount; ++i) {
        if (m_editedKeys[size_t(i)] == keyCode && i != index) {
            m_editedKeys[size_t(i)] = 0;
            m_bound->T1[i].setText("");
            return;
        }
    }
}

void KeyDialog::capture(int index, int keyCode)
{
    if (keyCode == kEnter || keyCode == kSpace || (keyCode >= kLeft && keyCode <= kDown))
        return;
    if (keyCode >= kF5 && keyCode <= kF7) {
        forms::msgBox("特殊键,已被系统启动！", forms::vbOKOnly | forms::vbInformation, "提示");
        return;
    }
    if (!isKeyCode(keyCode))
        return;
    sKey(int16_t(keyCode), int16_t(index));
    m_editedKeys[size_t(index)] = int16_t(keyCode);
    showKey(index);
}

// The defaults are an edit like any other: only "应用" puts them in force.
void KeyDialog::defaults()
{
    m_editedKeys = kDefaultKeys;
    for (int i = 0; i < kActionCount; ++i)
        showKey(i);
}

int KeyDialog::firstUnusableKey() const
{
    for (int i = 0; i < kActionCount; ++i) {
        const int16_t code = m_editedKeys[size_t(i)];
        if (!isKeyCode(code))
            return i;
        for (int j = 0; j < i; ++j)
            if (m_editedKeys[size_t(j)] == code)
                return i;
    }
    return -1;
}

void KeyDialog::apply()
{
    if (const int unusable = firstUnusableKey(); unusable >= 0) {
        forms::msgBox("快捷键未设置好!", forms::vbOKOnly | forms::vbInformation, "");
        focusOn(m_bound->T1[unusable]);
        return;
    }
    hide();
    putInForce(m_editedKeys);
    unload();
    // The keys are in force whatever becomes of the file; an unwritable file keeps the old one.
    writeKeyConfigDb(user());
}

void showKeyDialog()
{
    KeyDialog dialog;
    dialog.showModal();
}

} // namespace dialogs
