#pragma once
#include "scoreboard/scoreboard_view.h"

#include "platform/forms/form.h"
#include "platform/forms/label.h"

namespace scoreboard {

// The scoreboard form `main`, for now only what the start-up needs of it: a full-screen form that
// starts a fresh match when it loads, takes the option file through systemopen, writes the
// settings when it closes and ends the program with its close.
class MainForm : public plat::forms::Form, public ScoreboardView {
public:
    MainForm();
    ~MainForm() override;

    // Reads the option file into the switches. Its first use loads the form, hidden.
    void systemopen();

    // ScoreboardView
    void ShowCommandBar() override { }
    void HideCommandBar() override { }
    void ResetClockDisplay() override;
    void ShowScores() override;
    void ShowPeriod() override { }
    void hidePeriodReport() override { }
    void setStartButtonCaption(std::string_view) override { }
    void stopClockTimers() override { }
    void hideOvertimeLabels() override { }
    void showScoreBacklight(bool) override { }

protected:
    void onLoad() override;
    void onUnload(int& cancel) override;

private:
    plat::forms::Label* m_title = nullptr;
    plat::forms::Label* m_clock = nullptr;
    plat::forms::Label* m_scores = nullptr;
};

} // namespace scoreboard
