#pragma once
#include "dialogs/setup_dialog_form.h"

#include "platform/forms/control_array.h"

#include <optional>

namespace plat::forms {
class Label;
class TextBox;
}
namespace qel {
class qelCommand;
}

namespace dialogs {

// The controls of `m4` the dialog uses, bound once when it loads.
struct ScoreDialogControls {
    plat::forms::ControlArray<plat::forms::TextBox> T1; // 0 team A, 1 team B
    plat::forms::ControlArray<plat::forms::Label> n1;
    qel::qelCommand& cleacommd;
    qel::qelCommand& OKcommd;
    qel::qelCommand& outcommd;
};

// Binds them on a loaded `m4`: one it lacks, or of another class, throws ControlLookupError
// naming the form and the control.
ScoreDialogControls bindScoreDialogControls(const plat::forms::Form& dialog);

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

    std::optional<ScoreDialogControls> m_bound;
};

// The score dialog, modal; it returns once the dialog is closed.
void showScoreDialog();

} // namespace dialogs
