#pragma once
#include "dialogs/setup_dialog_form.h"

#include <array>
#include <string_view>

namespace dialogs {

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
};

// The period dialog, modal; it returns once the dialog is closed.
void showPeriodDialog();

} // namespace dialogs
