#include "dialogs/score_dialog.h"
#include "dialogs/number_box.h"

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

ScoreDialog::ScoreDialog()
    : SetupDialogForm("m4")
{
}

forms::TextBox& ScoreDialog::scoreBox(int index) const { return get<forms::TextBox>("T1", index); }

void ScoreDialog::loadDialog()
{
    const scoreboard::MatchState& s = user();
    get<forms::Label>("n1", 0).setCaption(s.teamNameA);
    get<forms::Label>("n1", 1).setCaption(s.teamNameB);
    scoreBox(0).setText(std::to_string(s.scoreA));
    scoreBox(1).setText(std::to_string(s.scoreB));
    for (int i : {0, 1})
        makeNumberBox(scoreBox(i));
    get<qel::qelCommand>("cleacommd").Click = [this] {
        scoreBox(0).setText("0");
        scoreBox(1).setText("0");
    };
    get<qel::qelCommand>("OKcommd").Click = [this] { apply(); };
    get<qel::qelCommand>("outcommd").Click = [this] { unload(); };
}

void ScoreDialog::apply()
{
    std::array<int16_t, 2> scores{};
    for (int i : {0, 1}) {
        forms::TextBox& box = scoreBox(i);
        const std::optional<int32_t> score = wholeNumber(box.text());
        if (!score || *score < 0 || *score > kMaxScore) {
            focusOn("T1", i);
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
