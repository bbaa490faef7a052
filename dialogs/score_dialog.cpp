#include "dialogs/score_dialog.h"
#include "dialogs/number_box.h"

#include "scoreboard/control_binding.h"

#include "scoreboard/display_routines.h"
#include "scoreboard/match_state.h"

#include "controls/core/qel_command.h"
#include "platform/forms/label.h"
#include "platform/forms/text_box.h"

#include <array>
#include <string>

namespace dialogs {

namespace forms = plat::forms;
using scoreboard::user;

namespace {

constexpr int32_t kMaxScore = 999;

} // namespace

ScoreDialogControls bindScoreDialogControls(const forms::Form& dialog)
{
    return ScoreDialogControls{
        .T1 = scoreboard::bindItems<forms::TextBox>(dialog, "T1", 0, 1),
        .n1 = scoreboard::bindItems<forms::Label>(dialog, "n1", 0, 1),
        .cleacommd = dialog.get<qel::qelCommand>("cleacommd"),
        .OKcommd = dialog.get<qel::qelCommand>("OKcommd"),
        .outcommd = dialog.get<qel::qelCommand>("outcommd"),
    };
}

ScoreDialog::ScoreDialog()
    : SetupDialogForm("m4")
{
}

void ScoreDialog::loadDialog()
{
    const ScoreDialogControls& c = m_bound.emplace(bindScoreDialogControls(*this));
    const scoreboard::MatchState& s = user();
    c.n1[0].setCaption(s.teamNameA);
    c.n1[1].setCaption(s.teamNameB);
    c.T1[0].setText(std::to_string(s.scoreA));
    c.T1[1].setText(std::to_string(s.scoreB));
    for (int i : {0, 1})
        makeNumberBox(c.T1[i]);
    c.cleacommd.Click = [&c] {
        c.T1[0].setText("0");
        c.T1[1].setText("0");
    };
    c.OKcommd.Click = [this] { apply(); };
    c.outcommd.Click = [this] { unload(); };
}

void ScoreDialog::apply()
{
    std::array<int16_t, 2> scores{};
    for (int i : {0, 1}) {
        forms::TextBox& box = m_bound->T1[i];
        const std::optional<int32_t> score = wholeNumber(box.text());
        if (!score || *score < 0 || *score > kMaxScore) {
            focusOn(box);
            return;
        }
        scores[size_t(i)] = int16_t(*score);
    }
    hide();
    user().scoreA = scores[0];
    user().scoreB = scores[1];
    scoreboard::ShowScores();
    unload();
}

void showScoreDialog()
{
    ScoreDialog dialog;
    dialog.showModal();
}

} // namespace dialogs
