#pragma once
#include "dialog_side_stub.h"

#include <string>
#include <vector>

namespace scoreboard::test {

// Writes down what the match routines asked of the scoreboard, in order.
class RecordingView final : public DialogSideStub {
public:
    std::vector<std::string> calls;

    void ShowCommandBar() override { calls.push_back("ShowCommandBar"); }
    void HideCommandBar() override { calls.push_back("HideCommandBar"); }
    void ResetClockDisplay() override { calls.push_back("ResetClockDisplay"); }
    void ShowScores() override { calls.push_back("ShowScores"); }
    void ShowPeriod() override { calls.push_back("ShowPeriod"); }
    void hidePeriodReport() override { calls.push_back("hide look"); }
    void setStartButtonCaption(std::string_view text) override { calls.push_back("ok=" + std::string(text)); }
    void stopClockTimers() override { calls.push_back("stop Timer2 Timer3"); }
    void hideOvertimeLabels() override { calls.push_back("hide addtimelab"); }
    void showScoreBacklight(bool visible) override { calls.push_back(visible ? "show backw" : "hide backw"); }
};

} // namespace scoreboard::test
