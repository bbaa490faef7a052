#include "scoreboard/period_end.h"
#include "scoreboard/match_record.h"
#include "scoreboard/match_state.h"

#include <cstdlib>
#include <string>

namespace scoreboard {

namespace {

constexpr uint32_t kDarkGrey = 0x404040;
constexpr uint32_t kGreen = 0x00FF00;

std::string periodWord(int period)
{
    switch (period) {
    case 1:
        return "第一节";
    case 2:
        return "上半场";
    case 3:
        return "第三节";
    case 4:
        return "全场";
    default:
        return {};
    }
}

std::string levelLine(const MatchState& s) { return "双方以" + std::to_string(s.scoreA) + ":" + std::to_string(s.scoreB) + "打平局。"; }

std::string scoreLine(const MatchState& s)
{
    if (s.scoreA == s.scoreB)
        return levelLine(s);
    return "双方比分相差 " + std::to_string(std::abs(int(s.scoreA) - int(s.scoreB))) + "分。";
}

// Books the points of the period that ended: the score less the periods booked before it.
void bookPeriod(MatchState& s, int period)
{
    int a = s.scoreA, b = s.scoreB;
    for (int earlier = 0; earlier < period - 1; ++earlier) {
        a -= s.periodPoints[earlier];
        b -= s.periodPoints[4 + earlier];
    }
    s.periodPoints[period - 1] = int16_t(a);
    s.periodPoints[4 + period - 1] = int16_t(b);
}

} // namespace

void EndOfPeriod(PeriodEndBoard& board)
{
    MatchState& s = user();
    board.placePeriodReport();
    board.setZeroMarkColor(kDarkGrey);
    board.setReportLines(periodWord(s.periodNumber) + "比赛结束!", scoreLine(s));
    s.clockSeconds = s.periodLength;
    bool recordLost = false;
    if (s.periodNumber < 4) {
        s.inOvertime = false;
        board.showOvertimeLabels(false);
        // A period below 1 (never set by the period dialog) books nothing.
        if (s.periodNumber >= 1)
            bookPeriod(s, s.periodNumber);
        s.periodNumber = int16_t(s.periodNumber + 1);
    } else {
        bookPeriod(s, 4);
        if (s.scoreA == s.scoreB) {
            s.periodNumber = 4;
            s.clockSeconds = s.overtimeLength;
            board.setReportLines("恭喜进入加时赛!", levelLine(s));
            board.showOvertimeLabels(true);
            s.inOvertime = true;
        } else {
            s.matchOver = true;
            recordLost = !appendMatchRecord(s);
            s.matchStartTime.clear();
            s.inOvertime = false;
        }
    }
    board.ResetClockDisplay();
    board.ShowPeriod();
    board.setClockColor(kGreen);
    board.setStartButtonCaption("开始");
    board.showPeriodReport();
    s.breakCountdown = 15;
    board.startReportCountdown();
    board.bringClockPanelToFront();
    if (recordLost) {
        s.noticeText = std::string(kRecordNotSavedNotice);
        board.inshowfame();
    }
}

} // namespace scoreboard
