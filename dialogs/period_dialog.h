#pragma once
#include "dialogs/setup_dialog_form.h"

#include <array>
#include <optional>
#include <string_view>

namespace plat::forms {
class ComboBox;
}
namespace qel {
class qelCommand;
class qelLabel;
}

namespace dialogs {

// The controls of `m5` the dialog uses, bound once when it loads.
struct PeriodDialogControls {
    plat::forms::ComboBox& C1;
    qel::qelLabel& v1;
    qel::qelCommand& qelCommand1;
    qel::qelCommand& qelCommand2;
};

// Binds them on a loaded `m5`: one it lacks, or of another class, throws ControlLookupError
// naming the form and the control.
PeriodDialogControls bindPeriodDialogControls(const plat::forms::Form& dialog);

// The period dialog `m5`: the period words in the list `C1`, the chosen period as a digit in
// `v1`. "应用" sets periodNumber from the digit (below 4 it also ends an overtime and hides
// the board's overtime notices) and shows it on the board; "取消" closes.
class PeriodDialog : public SetupDialogForm {
public:
    static constexpr std::array<std::string_view, 4> kPeriodWords = {"第一节", "第二节", "第三节", "第四节"};

    PeriodDialog();

protected:
    void loadDialog() override;

private:
    void choose();
    void apply();

    std::optional<PeriodDialogControls> m_bound;
};

// The period dialog, modal; it returns once the dialog is closed.
void showPeriodDialog();

} // namespace dialogs
