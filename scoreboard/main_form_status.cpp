// The status tick of the scoreboard: once a second the date and time, the score-key hints, the
// small copies of the clock and the period, the four indicators and the number of stored matches.
#include "scoreboard/board_faces.h"
#include "scoreboard/fitted_caption.h"
#include "scoreboard/key_names.h"
#include "scoreboard/main_form.h"
#include "scoreboard/match_state.h"

#include "controls/core/qel_command.h"
#include "controls/core/qel_label.h"
#include "platform/forms/label.h"
#include "platform/media/alpha_image.h"

namespace scoreboard {

namespace forms = plat::forms;

namespace {

std::string keyHint(int16_t add, int16_t sub) { return "+分:(" + ballkey(add) + ")" + " " + "-分:(" + ballkey(sub) + ")"; }

} // namespace

void MainForm::statusTick()
{
    const MatchState& state = user();
    const BoardControls& c = bound();
    c.timetxt.setCaption(plat::sys::nowText(*m_dates));
    showFitted(&c.keylab[0], keyHint(state.keyAddA, state.keySubA), kKeyHintPoints);
    showFitted(&c.keylab[1], keyHint(state.keyAddB, state.keySubB), kKeyHintPoints);

    c.balltime2.setCaption(c.balltime.Caption());
    c.ballnum2.setCaption(c.ballmakenum.caption());

    blink(c.im2, m_wplay.playState() == plat::media::PlayStatePlaying, m_musicBlinkPhase, "正在音乐中....");
    blink(c.im1, c.ok.Caption() == "暂停", m_matchBlinkPhase, "正在比赛中....");
    c.im3.setVisible(!c.im3.visible());
    c.im4.setVisible(!c.videmode.Enabled() ? !c.im4.visible() : true);
    c.balldateallnum.setCaption("总共: " + std::to_string(m_records.count()) + " 条");
}

// An active indicator is shown one tick and hidden the next, with its hover text; a resting
// one is shown steadily without one.
void MainForm::blink(plat::media::AlphaImage& indicator, bool active, bool& phase, std::string_view activeTip)
{
    if (!active) {
        indicator.setVisible(true);
        indicator.setToolTipText("");
        return;
    }
    indicator.setVisible(phase);
    phase = !phase;
    indicator.setToolTipText(std::string(activeTip));
}

} // namespace scoreboard
