#pragma once
#include "dialogs/setup_dialog_form.h"

#include "platform/forms/control_array.h"

#include <cstdint>
#include <optional>

namespace plat::forms {
class TextBox;
}
namespace qel {
class qelCommand;
}

namespace dialogs {

// The controls of `m2` the dialog uses, bound once when it loads.
struct ClockDialogControls {
    plat::forms::ControlArray<plat::forms::TextBox> T1; // 0 minutes, 1 seconds
    qel::qelCommand& newtime;
    qel::qelCommand& motime;
    qel::qelCommand& ok;
    qel::qelCommand& qelCommand2;
};

// Binds them on a loaded `m2`: one it lacks, or of another class, throws ControlLookupError
// naming the form and the control.
ClockDialogControls bindClockDialogControls(const plat::forms::Form& dialog);

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
    plat::forms::TextBox& minutesBox() const { return m_bound->T1[0]; }
    plat::forms::TextBox& secondsBox() const { return m_bound->T1[1]; }

    std::optional<ClockDialogControls> m_bound;
    bool m_filling = false; // the boxes are being filled by code
    bool m_edited = false;  // typed into, or filled with the period length, since read from the clock
};

// The clock dialog, modal; it returns once the dialog is closed.
void showClockDialog();

} // namespace dialogs
