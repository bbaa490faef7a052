#pragma once
#include "dialogs/setup_dialog_form.h"

namespace plat::forms {
class TextBox;
}

namespace dialogs {

// The score dialog `m4`: both teams' scores in `T1(0)` and `T1(1)` under their names `n1`.
// "清空数据" puts 0 in both boxes, "应用" sets scoreA and scoreB and shows them on the board,
// "取消" closes. A box that does not hold a score of 0 to 999 keeps the dialog open on "应用",
// with that box selected and the scores unchanged.
class ScoreDialog : public SetupDialogForm {
public:
    ScoreDialog();

protected:
    void loadDialog() override;

private:
    void apply();
    plat::forms::TextBox& scoreBox(int index) const;
};

// The score dialog, modal; it returns once the dialog is closed.
void showScoreDialog();

} // namespace dialogs
