#include "scoreboard/match_reset.h"
#include "scoreboard/match_state.h"
#include "scoreboard/scoreboard_view.h"

namespace scoreboard {

void ResetMatch()
{
    MatchState& state = user();
    ScoreboardView* view = scoreboardView();
    state.matchOver = false;
    if (view)
        view->hidePeriodReport();
    state.periodPoints.fill(0);
    if (view) {
        view->setStartButtonCaption("开始");
        view->stopClockTimers();
    }
    state.clockSeconds = state.periodLength;
    state.matchStartTime.clear();
    state.scoreA = 0;
    state.scoreB = 0;
    state.periodNumber = 1;
    if (view) {
        view->ResetClockDisplay();
        view->ShowScores();
        view->ShowPeriod();
        view->hideOvertimeLabels();
    }
}

void prepareMatchAtLoad()
{
    MatchState& state = user();
    state.clockSeconds = state.periodLength;
    state.clockTenths = 10;
    state.scoreA = 0;
    state.scoreB = 0;
    state.periodNumber = 1;
    state.breakCountdown = 10;
    state.periodPoints.fill(0);
    state.keyStartPause = 13;
    state.matchStartTime.clear();
}

} // namespace scoreboard
