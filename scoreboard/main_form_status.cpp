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
    get<forms::Label>("timetxt").setCaption(plat::sys::nowText(*m_dates));
    showFitted(&get<forms::Label>("keylab", 0), keyHint(state.keyAddA, state.keySubA), kKeyHintPoints);
    showFitted(&get<forms::Label>("keylab", 1), keyHint(state.keyAddB, state.keySubB), kKeyHintPoints);

    auto* clock = &get<qel::qelLabel>("balltime");
    if (auto* smallClock = &get<qel::qelLabel>("balltime2"); smallClock && clock)
        smallClock->setCaption(clock->Caption());
    auto* period = &get<forms::Label>("ballmakenum");
    if (auto* smallPeriod = &get<qel::qelLabel>("ballnum2"); smallPeriod && period)
        smallPeriod->setCaption(period->caption());

    blink("im2", m_wplay.playState() == plat::media::PlayStatePlaying, m_musicBlinkPhase, "正在音乐中....");
    auto* start = &get<qel::qelCommand>("ok");
    blink("im1", start && start->Caption() == "暂停", m_matchBlinkPhase, "正在比赛中....");
    if (auto* heartbeat = &get<plat::media::AlphaImage>("im3"))
        heartbeat->setVisible(!heartbeat->visible());
    auto& live = get<plat::media::AlphaImage>("im4");
    auto* videoButton = &get<qel::qelCommand>("videmode");
    live.setVisible(videoButton && !videoButton->Enabled() ? !live.visible() : true);
    get<qel::qelLabel>("balldateallnum").setCaption("总共: " + std::to_string(m_records.count()) + " 条");
}

// An active indicator is shown one tick and hidden the next, with its hover text; a resting
// one is shown steadily without one.
void MainForm::blink(std::string_view picture, bool active, bool& phase, std::string_view activeTip)
{
    auto* indicator = &get<plat::media::AlphaImage>(picture);
    if (!indicator)
        return;
    if (!active) {
        indicator->setVisible(true);
        indicator->setToolTipText("");
        return;
    }
    indicator->setVisible(phase);
    phase = !phase;
    indicator->setToolTipText(std::string(activeTip));
}

} // namespace scoreboard
