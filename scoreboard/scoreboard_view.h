#pragma once
#include <string_view>

namespace scoreboard {

// What the match routines change on the scoreboard form `main`: its display routines and the few
// controls and timers they touch. The form installs itself while it is loaded; with none
// installed the routines change the match state only.
class ScoreboardView {
public:
    virtual ~ScoreboardView() = default;

    // Display routines.
    virtual void ShowCommandBar() = 0;
    virtual void HideCommandBar() = 0;
    virtual void ResetClockDisplay() = 0;
    virtual void ShowScores() = 0;
    virtual void ShowPeriod() = 0;

    // Controls and timers of the form.
    virtual void hidePeriodReport() = 0;                        // the panel `look`
    virtual void setStartButtonCaption(std::string_view text) = 0; // the button `ok`
    virtual void stopClockTimers() = 0;                         // `Timer2` and `Timer3`
    virtual void hideOvertimeLabels() = 0;                      // `addtimelab` 0 and 1
    virtual void showScoreBacklight(bool visible) = 0;          // `backw` 2 and 1
};

// The installed view, or nullptr.
ScoreboardView* scoreboardView();
void setScoreboardView(ScoreboardView* view);

} // namespace scoreboard
