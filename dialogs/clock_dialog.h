#pragma once
#include "dialogs/setup_dialog_form.h"

#include <cstdint>

namespace plat::forms {
class TextBox;
}

namespace dialogs {

// The clock dialog `m2`: the period clock in minutes `T1(0)` and seconds `T1(1)`, each a number
// of 0 to 59 at all times. "获新时间" reloads the boxes from the clock (which may be running),
// "默认时间" fills them with the period length, "应用" sets clockSeconds and redraws the clock
// unless both boxes are 0, "取消" closes. Boxes the operator has not changed since they were
// filled from the clock leave the clock alone on "应用".
class ClockDialog : public SetupDialogForm {
public:
    ClockDialog();

    // Fills the boxes from clockSeconds.
    void cltime();

protected:
    void loadDialog() override;

private:
    void showSeconds(int32_t seconds);
    // T1 Change: a box that does not hold a number of 0 to 59 goes back to "00".
    void checkBoxes();
    void apply();
    plat::forms::TextBox& minutesBox() const;
    plat::forms::TextBox& secondsBox() const;

    bool m_filling = false; // the boxes are being filled by code
    bool m_edited = false;  // typed into, or filled with the period length, since read from the clock
};

// The clock dialog, modal; it returns once the dialog is closed.
void showClockDialog();

} // namespace dialogs
