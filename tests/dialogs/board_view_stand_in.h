#pragma once
#include "scoreboard/scoreboard_view.h"

#include <string>
#include <vector>

namespace dialogs::test {

// Installed in place of the loaded board's view: the match routines' side goes on to the board,
// and what a setup dialog reads of the board comes from here and what it changes is written down,
// so a test sees that the dialog reaches the board through the view alone.
class BoardViewStandIn final : public scoreboard::ScoreboardView {
public:
    explicit BoardViewStandIn(scoreboard::ScoreboardView& board) : m_board(board) { scoreboard::setScoreboardView(this); }
    ~BoardViewStandIn() override { scoreboard::setScoreboardView(&m_board); }

    plat::forms::PictureRef icon{"img/court.png"};
    scoreboard::TitleColors title{.title = 0x112233, .shadow = 0x445566};
    scoreboard::TeamNameColors teamNames{0x010101, 0x020202, 0x030303, 0x040404};
    bool rosters = true;
    std::vector<std::string> calls;

    void ShowCommandBar() override { m_board.ShowCommandBar(); }
    void HideCommandBar() override { m_board.HideCommandBar(); }
    void ResetClockDisplay() override { m_board.ResetClockDisplay(); }
    void ShowScores() override { m_board.ShowScores(); }
    void ShowPeriod() override { m_board.ShowPeriod(); }
    void hidePeriodReport() override { m_board.hidePeriodReport(); }
    void setStartButtonCaption(std::string_view text) override { m_board.setStartButtonCaption(text); }
    void stopClockTimers() override { m_board.stopClockTimers(); }
    void hideOvertimeLabels() override { m_board.hideOvertimeLabels(); }
    void showScoreBacklight(bool visible) override { m_board.showScoreBacklight(visible); }

    plat::forms::PictureRef boardIcon() const override { return icon; }
    scoreboard::TitleColors titleColors() const override { return title; }
    void setTitleColors(const scoreboard::TitleColors& colors) override
    {
        title = colors;
        calls.push_back("setTitleColors");
    }
    scoreboard::TeamNameColors teamNameColors() const override { return teamNames; }
    void setTeamNameColors(const scoreboard::TeamNameColors& colors) override
    {
        teamNames = colors;
        calls.push_back("setTeamNameColors");
    }
    bool rostersShown() const override { return rosters; }
    void showRosters(bool visible) override
    {
        rosters = visible;
        calls.push_back(visible ? "showRosters" : "hideRosters");
    }
    void reloadRostersSoon() override { calls.push_back("reloadRostersSoon"); }

private:
    scoreboard::ScoreboardView& m_board;
};

} // namespace dialogs::test
