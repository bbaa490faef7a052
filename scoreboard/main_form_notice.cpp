// The self-closing notice box, the one-shot roster load and the help panel's close picture.
#include "scoreboard/main_form.h"
#include "scoreboard/match_state.h"
#include "scoreboard/roster_loader.h"

#include "controls/core/qel_frame.h"
#include "controls/core/qel_label.h"
#include "platform/forms/label.h"
#include "platform/forms/timer.h"

namespace scoreboard {

namespace forms = plat::forms;

namespace {

constexpr int16_t kNoticeSeconds = 5;
constexpr double kNoticeLeft = 5970, kNoticeTop = 8580, kNoticeWidth = 3255, kNoticeHeight = 1665;
constexpr double kHelpLeft = 2160, kHelpTop = 3060, kHelpWidth = 8565, kHelpHeight = 3945;

std::string countdownText(int16_t seconds) { return std::to_string(seconds) + "秒后关闭"; }

} // namespace

void MainForm::inshowfame()
{
    m_noticeSecondsLeft = kNoticeSeconds;
    get<qel::qelLabel>("qel1").setCaption(countdownText(m_noticeSecondsLeft));
    if (auto* countdownTimer = timer("Timer10"))
        countdownTimer->setEnabled(true);
    auto* notice = &get<qel::qelFrame>("inshow");
    if (notice)
        notice->move(kNoticeLeft, kNoticeTop, kNoticeWidth, kNoticeHeight);
    get<forms::Label>("L1").setCaption(user().noticeText);
    if (notice) {
        // In front of whatever panel was opened since, so that the notice is always seen.
        notice->zOrder(0);
        notice->setVisible(true);
    }
}

void MainForm::noticeTick()
{
    --m_noticeSecondsLeft;
    get<qel::qelLabel>("qel1").setCaption(countdownText(m_noticeSecondsLeft));
    if (m_noticeSecondsLeft <= 0) {
        get<qel::qelFrame>("inshow").setVisible(false);
        if (auto* countdownTimer = timer("Timer10"))
            countdownTimer->setEnabled(false);
    }
}

void MainForm::rosterTick()
{
    LoadRosters();
    if (auto* rosters = timer("Timer12"))
        rosters->setEnabled(false);
}

void MainForm::closeHelp()
{
    auto& help = get<qel::qelFrame>("helps");
    help.setVisible(false);
    help.move(kHelpLeft, kHelpTop, kHelpWidth, kHelpHeight);
}

} // namespace scoreboard
