#pragma once
#include "scoreboard/command_bar.h"
#include "scoreboard/menu_row.h"
#include "scoreboard/score_keys.h"
#include "scoreboard/setup_dialogs.h"

#include <functional>
#include <string_view>

namespace plat::forms {
class Form;
class Timer;
}
namespace qel {
class qelCommand;
class qelFrame;
}

namespace scoreboard {

struct BoardControls;

// The controls of `main` the operation itself works, bound once when it is made.
struct OperationControls {
    qel::qelFrame& look; // the period report
    qel::qelCommand& ok;
    plat::forms::ControlArray<qel::qelCommand> v1; // 0 A +1, 1 A -1, 2 B +1, 3 B -1
    plat::forms::Timer& Timer6;
    plat::forms::Timer& Timer7;
};

// Binds them on a loaded form: one it lacks, or of another class, throws ControlLookupError
// naming the form and the control.
OperationControls bindOperationControls(const plat::forms::Form& form);

// How the operator works `main` besides the match clock's own button: the key handler, the
// score buttons `v1` with the score sound and `Timer7`, the focus keeper `Timer6`, the command
// bar `on1`, the menu row `lab`, the double-clicks on the displays and the hover texts. The form
// makes it once its controls are there and keeps it while it is loaded.
class MainOperation final : private ScoringBoard {
public:
    // What other parts of the form do. Each is required (an operation made without one throws
    // MissingHookError naming it) but the exit's question.
    struct Hooks {
        std::function<void()> confirmReset;          // the match clock's reset command
        std::function<void(SetupDialog)> openDialog; // modal
        std::function<void()> inshowfame;            // the notice box with `noticeText`
        std::function<void()> fillOptionsPanel;
        std::function<bool()> liveModeOn;
        std::function<void()> leaveLiveMode;
        // The exit's question; a message box with OK and Cancel when not given.
        std::function<bool(std::string_view text, std::string_view title)> confirm;
    };

    // `board`: the controls `main` bound at its load (the display clicks and hover texts use them).
    MainOperation(plat::forms::Form& main, const BoardControls& board, Hooks hooks);

    // The key preview of `main`: true when the key is consumed.
    bool keyDown(int keyCode, bool repeats) { return m_keys.keyDown(keyCode, repeats); }
    void keyUp(int keyCode) { m_keys.keyUp(keyCode); }

    ScoreKeys& scoreKeys() { return m_keys; }
    CommandBar& commandBar() { return m_commandBar; }
    MenuRow& menuRow() { return m_menu; }

private:
    // ScoringBoard
    bool periodReportVisible() const override;
    void startPause() override;
    void ShowScores() override;
    void setScoreSoundTimer(bool on) override;
    bool typingFieldFocused() const override;

    void connect(const BoardControls& board);

    plat::forms::Form& m_main;
    OperationControls m_controls;
    Hooks m_hooks;
    ScoreKeys m_keys;
    CommandBar m_commandBar;
    MenuRow m_menu;
};

} // namespace scoreboard
