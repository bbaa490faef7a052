#pragma once
#include "scoreboard/scoreboard_view.h"

namespace scoreboard::test {

// A view whose side for the setup dialogs shows nothing and changes nothing: the base of the
// fakes that stand in for the board under the match routines.
class DialogSideStub : public ScoreboardView {
public:
    plat::forms::PictureRef boardIcon() const override { return {}; }
    TitleColors titleColors() const override { return {}; }
    void setTitleColors(const TitleColors&) override { }
    TeamNameColors teamNameColors() const override { return {}; }
    void setTeamNameColors(const TeamNameColors&) override { }
    bool rostersShown() const override { return false; }
    void showRosters(bool) override { }
    void reloadRostersSoon() override { }
};

} // namespace scoreboard::test
