#pragma once
#include "platform/forms/dialog_form.h"
#include "platform/forms/message_box_icon.h"
#include <string>
#include <vector>

namespace plat::forms {

// Buttons, icon and default button of a message box, combined with |.
enum MsgBoxStyle : int {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbYesNoCancel = 3,
    vbYesNo = 4,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
    vbDefaultButton1 = 0,
    vbDefaultButton2 = 256,
    vbDefaultButton3 = 512,
};

// The button chosen.
enum MsgBoxResult : int { vbOK = 1, vbCancel = 2, vbYes = 6, vbNo = 7 };

class MessageBoxButton;

// A message box as our own modal form: the dialog frame with the title only, the icon, the text
// in 宋体 9 pt, and the buttons ("确定", "取消", "是", "否") centred below. Enter chooses the
// button with the focus (at first the default one), Esc (or the close request) chooses
// Cancel, else No, else OK.
class MessageBoxForm : public DialogForm {
public:
    MessageBoxForm(std::string text, int style, std::string title);
    ~MessageBoxForm() override;

    // Shows it modally and returns the button chosen.
    int run();

    const std::string& text() const { return m_text; }
    MessageIcon icon() const { return m_icon; }
    const std::vector<MessageBoxButton*>& buttons() const { return m_buttons; }
    int result() const { return m_result; }
    // Chooses a button as a click on it would.
    void choose(int result);

    // The message box being shown (the innermost one), if any; drivers answer it through this.
    static MessageBoxForm* current();

protected:
    void onLoad() override;
    void onKeyDown(int& keyCode, int shift) override;
    void onKeyPress(int& keyAscii) override;
    void onQueryUnload(int& cancel) override;
    void onActivate() override;
    // The frame, then the icon and the text.
    void drawFrame() override;

private:
    // From a key: the box goes once the key's character has reached it too.
    void chooseByKey(int result);
    void layOut();
    int escapeResult() const;

    std::string m_text;
    int m_style;
    MessageIcon m_icon = MessageIcon::None;
    std::vector<std::pair<std::string, int>> m_buttonSet;
    int m_defaultIndex = 0;
    std::vector<MessageBoxButton*> m_buttons;
    int m_result = 0;
    bool m_laidOut = false;
    gfx::Point m_iconAt;
    gfx::Rect m_textBox;
    MessageBoxForm* m_outer = nullptr;
};

// MsgBox: shows `text` modally and returns vbOK, vbCancel, vbYes or vbNo.
int msgBox(const std::string& text, int style = vbOKOnly, const std::string& title = "");

} // namespace plat::forms
