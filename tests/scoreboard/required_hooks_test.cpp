// The parts of `main` refuse to be made without a hook the program always gives them, naming the
// part and the hook; the hooks that are optional may stay empty.
#include "board_fixture.h"

#include "scoreboard/command_bar.h"
#include "scoreboard/main_clock_board.h"
#include "scoreboard/main_clock_hooks.h"
#include "scoreboard/main_operation.h"
#include "scoreboard/main_operation_hooks.h"
#include "scoreboard/main_panels.h"
#include "scoreboard/menu_row.h"
#include "scoreboard/options_panel.h"
#include "scoreboard/record_view.h"
#include "scoreboard/required_hooks.h"

#include <functional>
#include <gtest/gtest.h>

namespace scoreboard::test {

namespace {

using MakePart = std::function<void(MainForm&)>;

template<class Hooks, class F>
std::function<void(Hooks&)> clear(F Hooks::*hook)
{
    return [hook](Hooks& h) { h.*hook = nullptr; };
}

CommandBarHooks givenCommandBarHooks()
{
    CommandBarHooks h;
    h.fillOptionsPanel = h.showPeriodTable = h.leaveLiveMode = [] { };
    h.liveModeOn = [] { return false; };
    h.notice = [](std::string_view) { };
    return h;
}

// Each part made on the loaded board with the program's own wiring (or the test's, where the
// board builds it inline) less one hook.
template<class F>
MakePart clockWithout(F MainClockBoard::Hooks::*hook)
{
    return [hook](MainForm& board) {
        MainClockBoard::Hooks h = mainFormClockHooks(board, [](bool) { });
        clear(hook)(h);
        MainClockBoard part(bindClockControls(board), std::move(h));
    };
}
template<class F>
MakePart operationWithout(F MainOperation::Hooks::*hook)
{
    return [hook](MainForm& board) {
        MainOperation::Hooks h = mainFormOperationHooks(board);
        clear(hook)(h);
        MainOperation part(board, *board.boundControls(), std::move(h));
    };
}
template<class F>
MakePart commandBarWithout(F CommandBarHooks::*hook)
{
    return [hook](MainForm& board) {
        CommandBarHooks h = givenCommandBarHooks();
        clear(hook)(h);
        CommandBar part(board, std::move(h));
    };
}
template<class F>
MakePart menuRowWithout(F MenuRowHooks::*hook)
{
    return [hook](MainForm& board) {
        MenuRowHooks h{[](SetupDialog) { }, [] { }};
        clear(hook)(h);
        MenuRow part(board, std::move(h));
    };
}

struct MissingHook {
    const char* part;
    const char* hook;
    MakePart make;
};

} // namespace

TEST_F(BoardTest, APartMadeWithoutARequiredHookNamesItAndTheHook)
{
    using Clock = MainClockBoard::Hooks;
    using Operation = MainOperation::Hooks;
    const MissingHook cases[] = {
        {"MainClockBoard", "ResetClockDisplay", clockWithout(&Clock::ResetClockDisplay)},
        {"MainClockBoard", "ShowPeriod", clockWithout(&Clock::ShowPeriod)},
        {"MainClockBoard", "ShowPeriodTable", clockWithout(&Clock::ShowPeriodTable)},
        {"MainClockBoard", "matchMode", clockWithout(&Clock::matchMode)},
        {"MainClockBoard", "scoreSheet", clockWithout(&Clock::scoreSheet)},
        {"MainClockBoard", "inshowfame", clockWithout(&Clock::inshowfame)},
        {"MainClockBoard", "liveModeOn", clockWithout(&Clock::liveModeOn)},
        {"MainClockBoard", "leaveLiveMode", clockWithout(&Clock::leaveLiveMode)},
        {"MainClockBoard", "musicPlaying", clockWithout(&Clock::musicPlaying)},
        {"MainClockBoard", "pauseMusic", clockWithout(&Clock::pauseMusic)},
        {"MainClockBoard", "setMatchBlinkPhase", clockWithout(&Clock::setMatchBlinkPhase)},
        {"MainOperation", "confirmReset", operationWithout(&Operation::confirmReset)},
        {"MainOperation", "openDialog", operationWithout(&Operation::openDialog)},
        {"MainOperation", "inshowfame", operationWithout(&Operation::inshowfame)},
        {"MainOperation", "fillOptionsPanel", operationWithout(&Operation::fillOptionsPanel)},
        {"MainOperation", "liveModeOn", operationWithout(&Operation::liveModeOn)},
        {"MainOperation", "leaveLiveMode", operationWithout(&Operation::leaveLiveMode)},
        {"CommandBar", "fillOptionsPanel", commandBarWithout(&CommandBarHooks::fillOptionsPanel)},
        {"CommandBar", "showPeriodTable", commandBarWithout(&CommandBarHooks::showPeriodTable)},
        {"CommandBar", "liveModeOn", commandBarWithout(&CommandBarHooks::liveModeOn)},
        {"CommandBar", "leaveLiveMode", commandBarWithout(&CommandBarHooks::leaveLiveMode)},
        {"CommandBar", "notice", commandBarWithout(&CommandBarHooks::notice)},
        {"MenuRow", "openDialog", menuRowWithout(&MenuRowHooks::openDialog)},
        {"MenuRow", "confirmReset", menuRowWithout(&MenuRowHooks::confirmReset)},
        {"OptionsPanel", "notice",
            [](MainForm& board) { OptionsPanel part(board, board.panels()->logo(), OptionsPanelHooks{}); }},
    };
    MainForm& board = loadBoard();
    for (const MissingHook& c : cases) {
        SCOPED_TRACE(std::string(c.part) + " without " + c.hook);
        try {
            c.make(board);
            ADD_FAILURE() << "made without the hook";
        } catch (const MissingHookError& e) {
            EXPECT_EQ(e.part(), c.part);
            EXPECT_EQ(e.hook(), c.hook);
            EXPECT_EQ(std::string(e.what()), std::string(c.part) + " made without its hook \"" + c.hook + "\"");
        }
    }
}

TEST_F(BoardTest, TheOptionalHooksMayStayEmpty)
{
    MainForm& board = loadBoard();
    CommandBarHooks bar = givenCommandBarHooks(); // no exit question, no end of its own
    EXPECT_NO_THROW(CommandBar(board, std::move(bar)));
    MainOperation::Hooks operation = mainFormOperationHooks(board);
    operation.confirm = nullptr;
    EXPECT_NO_THROW(MainOperation(board, *board.boundControls(), std::move(operation)));
    EXPECT_NO_THROW(RecordView(board, RecordViewHooks{}));
    MainPanels::Hooks panels;
    panels.options.notice = [](std::string_view) { };
    EXPECT_NO_THROW(MainPanels(board, std::move(panels))); // no message, no logo choice, no questions
}

} // namespace scoreboard::test
