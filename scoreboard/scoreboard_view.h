#pragma once
#include "platform/forms/picture_ref.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace scoreboard {

// The colours of the match title on the board.
struct TitleColors {
    uint32_t title = 0;
    uint32_t shadow = 0;
};

// The colours of the team names on the board: team A's name and shadow, team B's name and shadow.
using TeamNameColors = std::array<uint32_t, 4>;

// What the match routines and the setup dialogs change on the scoreboard form `main`: its
// display routines and the few controls and timers they touch, each named for what it does. The
// form installs itself while it is loaded; with none installed the routines and the dialogs
// change the match state only.
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

    // What the setup dialogs show of the board and change on it.
    virtual plat::forms::PictureRef boardIcon() const = 0;         // `mainico`, the dialogs' icon too
    virtual TitleColors titleColors() const = 0;                    // `titxt` 1 and 0
    virtual void setTitleColors(const TitleColors& colors) = 0;
    virtual TeamNameColors teamNameColors() const = 0;              // `ballname` 0, 2, 1 and 3
    virtual void setTeamNameColors(const TeamNameColors& colors) = 0;
    virtual bool rostersShown() const = 0;                          // the frames `ballnameframe`
    virtual void showRosters(bool visible) = 0;
    // The rosters read again from the team files once the dialog is gone (`Timer12`).
    virtual void reloadRostersSoon() = 0;
};

// The installed view, or nullptr.
ScoreboardView* scoreboardView();
void setScoreboardView(ScoreboardView* view);

} // namespace scoreboard
