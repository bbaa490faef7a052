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
    const BoardControls& c = bound();
    m_noticeSecondsLeft = kNoticeSeconds;
    c.qel1.setCaption(countdownText(m_noticeSecondsLeft));
    c.Timer10.setEnabled(true);
    c.inshow.move(kNoticeLeft, kNoticeTop, kNoticeWidth, kNoticeHeight);
    c.L1.setCaption(user().noticeText);
    // In front of whatever panel was opened since, so that the notice is always seen.
    c.inshow.zOrder(0);
    c.inshow.setVisible(true);
}

void MainForm::noticeTick()
{
    const BoardControls& c = bound();
    --m_noticeSecondsLeft;
    c.qel1.setCaption(countdownText(m_noticeSecondsLeft));
    if (m_noticeSecondsLeft <= 0) {
        c.inshow.setVisible(false);
        c.Timer10.setEnabled(false);
    }
}

void MainForm::rosterTick()
{
    LoadRosters();
    bound().Timer12.setEnabled(false);
}

void MainForm::closeHelp()
{
    qel::qelFrame& help = bound().helps;
    help.setVisible(false);
    help.move(kHelpLeft, kHelpTop, kHelpWidth, kHelpHeight);
}

} // namespace scoreboard
