#pragma once
#include "scoreboard/exit_command.h"
#include "scoreboard/record_view.h"

#include "platform/forms/control_array.h"

#include <functional>
#include <string>
#include <string_view>

namespace plat::forms {
class Form;
class Timer;
}
namespace qel {
class qelCommand;
class qelFrame;
class qelLabel;
}

namespace scoreboard {

// The controls of `main` the command bar switches, bound once when it is made.
struct CommandBarControls {
    plat::forms::ControlArray<qel::qelCommand> on1; // by CommandBar::Item
    qel::qelFrame& sysset;
    qel::qelFrame& frameplay;
    qel::qelFrame& helps;
    qel::qelFrame& ballnumfa;
    qel::qelFrame& showtime;
    qel::qelFrame& look;
    qel::qelLabel& onename;
    qel::qelCommand& ok;
    qel::qelFrame& balldate;
    plat::forms::ControlArray<qel::qelLabel> ballnum; // 0 team A, 1 team B on the score sheet
    qel::qelCommand& lookdate;
    plat::forms::Timer& Timer6;
    plat::forms::Timer& Timer8;
    RecordListControls recordList;
};

// Binds them on a loaded form: one it lacks, or of another class, throws ControlLookupError
// naming the form and the control.
CommandBarControls bindCommandBarControls(const plat::forms::Form& form);

inline constexpr std::string_view kMatchOverLeaderText = "比赛已经结束 点击【数据复位】 ";

// What the command bar asks of other parts of `main`. Each is required (a bar made without one
// throws MissingHookError naming it) but the exit's question (a message box when not given) and
// its end (unloading `main`).
struct CommandBarHooks {
    std::function<void()> fillOptionsPanel; // `sysset` filled from the current values
    std::function<void()> showPeriodTable;  // ShowPeriodTable
    std::function<bool()> liveModeOn;
    std::function<void()> leaveLiveMode;
    std::function<void(std::string_view)> notice; // the notice box, showing `noticeText`
    std::function<bool(std::string_view text, std::string_view title)> confirm;
    std::function<void()> endProgram;
};

// The command bar `on1` of `main`: seven buttons that switch the board between match mode and
// the panels for options, music, match records and help, minimise the window and end the
// program.
class CommandBar : private ExitBoard {
public:
    enum Item { Options = 0, MatchMode = 1, Music = 2, ScoreSheet = 3, Help = 4, Minimise = 5, Exit = 6 };

    CommandBar(plat::forms::Form& main, CommandBarHooks hooks);

    // Connects Click and MouseMove (the hover text) of every `on1` item.
    void connect();

    // Click of `on1` item `index`. Inert while the period report shows.
    void click(int index);
    // The commands of items 1 and 3 on their own, as the match clock asks for them.
    void matchMode();
    void scoreSheet();
    // The window's close request, answered as the exit command asks (inert where it is inert):
    // true when the program may end.
    bool closeRequest();

    static constexpr int kHelpLeft = 3220, kHelpTop = 3090, kHelpWidth = 9045, kHelpHeight = 5115;

private:
    // What every item does first: the return from the score sheet is cancelled; false while the
    // period report shows, when the item does nothing more.
    bool commandTaken();
    std::string_view startButtonCaption() const override;
    void notice(std::string_view text) override;
    bool confirm(std::string_view text, std::string_view title) override;
    void endProgram() override;
    void focusStartButton();

    plat::forms::Form& m_main;
    CommandBarControls m_controls;
    CommandBarHooks m_hooks;
    mutable std::string m_caption;
};

} // namespace scoreboard
