#include "operation_fixture.h"

#include "scoreboard/exit_command.h"
#include "scoreboard/match_state.h"
#include "scoreboard/settings_store.h"

#include "controls/core/qel_command.h"
#include "controls/core/qel_frame.h"
#include "controls/core/qel_label.h"
#include "platform/forms/timer.h"

#include <map>

namespace scoreboard::test {
namespace {

using plat::forms::Control;
using plat::forms::Timer;
using qel::qelCommand;
using qel::qelLabel;

// `lookdate` sits on `balldate` and shows with it.
const char* const kPanels[] = { "sysset", "frameplay", "balldate", "helps", "showtime", "look", "ballnumfa" };

using CommandBarTest = OperationTest;

TEST_F(CommandBarTest, ItemsAndTheirTexts)
{
    showBoard();
    const char* const captions[] = { " 系统设置", " 比赛模式", "音乐模式", " 比赛记录", " 使用说明", " 最  小 化", " 退出程序" };
    for (int i = 0; i < 7; ++i) {
        qelCommand& item = control<qelCommand>("on1", i);
        EXPECT_EQ(item.Caption(), captions[i]);
        moveOver(item);
        EXPECT_EQ(item.toolTipText(), captions[i]);
    }
}

TEST_F(CommandBarTest, EachItemSwitchesThePanels)
{
    struct Case {
        int item;
        std::vector<std::string> shown; // of kPanels
        bool focusKeeper;
    };
    const Case cases[] = {
        { 0, { "sysset", "showtime", "ballnumfa" }, true },
        { 2, { "frameplay", "showtime", "ballnumfa" }, true },
        { 3, { "balldate", "showtime", "ballnumfa" }, true },
        { 4, { "helps", "showtime", "ballnumfa" }, true },
        { 1, { "showtime" }, true },
        { 5, { "showtime" }, false },
    };
    showBoard();
    for (const Case& c : cases) {
        SCOPED_TRACE("item " + std::to_string(c.item));
        // From match mode with every panel hidden.
        board->setWindowState(0);
        for (const char* panel : { "sysset", "frameplay", "balldate", "helps" })
            control<Control>(panel).setVisible(false);
        clickOn(control<qelCommand>("on1", 1));
        control<Timer>("Timer6").setEnabled(true);
        clickOn(control<qelCommand>("on1", c.item));
        std::vector<std::string> shown;
        for (const char* panel : kPanels)
            if (control<Control>(panel).visible())
                shown.push_back(panel);
        EXPECT_EQ(shown, c.shown);
        EXPECT_EQ(control<Timer>("Timer6").enabled(), c.focusKeeper);
        EXPECT_EQ(board->windowState(), c.item == 5 ? 1 : 0);
        if (c.item != 5) {
            EXPECT_EQ(session->windows().focus(), control<qelCommand>("ok").hwnd());
        }
    }
}

TEST_F(CommandBarTest, OptionsScoreSheetAndHelpFillTheirPanels)
{
    showBoard();
    clickOn(control<qelCommand>("on1", 0));
    EXPECT_EQ(optionFills, 1);

    user().teamNameA = "猛龙";
    user().teamNameB = "飞鹰";
    clickOn(control<qelCommand>("on1", 3));
    EXPECT_TRUE(control<Control>("lookdate").visible());
    EXPECT_EQ(control<qelLabel>("ballnum", 0).Caption(), "猛龙");
    EXPECT_EQ(control<qelLabel>("ballnum", 1).Caption(), "飞鹰");

    clickOn(control<qelCommand>("on1", 4));
    const Control& help = control<Control>("helps");
    EXPECT_EQ(help.left(), 3220);
    EXPECT_EQ(help.top(), 3090);
    EXPECT_EQ(help.width(), 9045);
    EXPECT_EQ(help.height(), 5115);
    EXPECT_TRUE(help.visible());
    // Every other item hides it again.
    clickOn(control<qelCommand>("on1", 2));
    EXPECT_FALSE(help.visible());
}

TEST_F(CommandBarTest, MatchModeHidesTheReportOrShowsTheMatchEnd)
{
    showBoard();
    control<Control>("look").setVisible(true);
    user().matchOver = true;
    clickOn(control<qelCommand>("on1", 1));
    EXPECT_TRUE(control<Control>("look").visible());
    EXPECT_EQ(control<qelLabel>("onename").Caption(), kMatchOverLeaderText);

    user().matchOver = false;
    control<Control>("look").setVisible(false);
    clickOn(control<qelCommand>("on1", 1));
    EXPECT_FALSE(control<Control>("look").visible());
}

TEST_F(CommandBarTest, MatchModeLeavesLiveModeOnlyWhenAskedTo)
{
    showBoard();
    liveMode = true;
    user().optCloseVideoOnStart = false;
    clickOn(control<qelCommand>("on1", 1));
    EXPECT_TRUE(liveMode);
    user().optCloseVideoOnStart = true;
    clickOn(control<qelCommand>("on1", 1));
    EXPECT_FALSE(liveMode);
}

TEST_F(CommandBarTest, InertDuringThePeriodReportButNotAfterTheMatch)
{
    showBoard();
    control<Control>("look").setVisible(true);
    for (int item = 0; item < 7; ++item) {
        SCOPED_TRACE(item);
        control<Timer>("Timer8").setEnabled(true);
        clickOn(control<qelCommand>("on1", item));
        // The automatic return from the score sheet is cancelled all the same.
        EXPECT_FALSE(control<Timer>("Timer8").enabled());
        for (const char* panel : kPanels)
            EXPECT_EQ(control<Control>(panel).visible(), std::string_view(panel) == "showtime" || std::string_view(panel) == "look") << panel;
    }
    EXPECT_TRUE(questions.empty());
    EXPECT_EQ(board->windowState(), 0);

    user().matchOver = true;
    clickOn(control<qelCommand>("on1", 3));
    EXPECT_TRUE(control<Control>("balldate").visible());
}

// The window manager's close (Alt+F4, the title bar's close box) is the exit command at every
// moment: during the report it does nothing, not even ask; after the match end it asks.
TEST_F(CommandBarTest, TheWindowsCloseIsInertDuringThePeriodReportAsTheExitIs)
{
    showBoard();
    control<Control>("look").setVisible(true);
    control<Timer>("Timer8").setEnabled(true);
    answers = { true };
    EXPECT_FALSE(operation->commandBar().closeRequest());
    EXPECT_TRUE(questions.empty());
    EXPECT_TRUE(notices.empty());
    EXPECT_FALSE(control<Timer>("Timer8").enabled());

    user().matchOver = true;
    EXPECT_TRUE(operation->commandBar().closeRequest());
    EXPECT_EQ(questions, (std::vector<std::string>{ "提示: 是否真的要退出?" }));
}

TEST_F(CommandBarTest, AnyItemStopsTheReturnFromTheScoreSheet)
{
    showBoard();
    for (int item : { 0, 1, 2, 3, 4 }) {
        control<Timer>("Timer8").setEnabled(true);
        clickOn(control<qelCommand>("on1", item));
        EXPECT_FALSE(control<Timer>("Timer8").enabled()) << item;
    }
}

TEST_F(CommandBarTest, ExitIsRefusedWhileTheClockRuns)
{
    showBoard();
    control<qelCommand>("ok").setCaption(std::string(kRunningCaption));
    clickOn(control<qelCommand>("on1", 6));
    EXPECT_EQ(notices, (std::vector<std::string>{ std::string(kExitWhileRunningNotice) }));
    EXPECT_TRUE(questions.empty());
    EXPECT_TRUE(board->isLoaded());
}

TEST_F(CommandBarTest, CancelledExitLeavesTheBoardAsItWas)
{
    showBoard();
    clickOn(control<qelCommand>("on1", 2));
    std::map<std::string, bool> before;
    for (const char* panel : kPanels)
        before[panel] = control<Control>(panel).visible();
    const auto focus = session->windows().focus();
    answers = { false };
    clickOn(control<qelCommand>("on1", 6));
    EXPECT_EQ(questions, (std::vector<std::string>{ "提示: 是否真的要退出?" }));
    EXPECT_TRUE(board->isLoaded());
    for (const char* panel : kPanels)
        EXPECT_EQ(control<Control>(panel).visible(), before[panel]) << panel;
    // The press gave the exit button the focus; the focus keeper gives it back to `ok`.
    session->advance(50);
    EXPECT_EQ(session->windows().focus(), focus);
    EXPECT_FALSE(session->windows().quitRequested());
}

TEST_F(CommandBarTest, ConfirmedExitWritesTheSettingsAndEnds)
{
    std::filesystem::create_directories(path("date"));
    showBoard();
    user().matchTitle = "决赛";
    answers = { true };
    clickOn(control<qelCommand>("on1", 6));
    EXPECT_FALSE(board->isLoaded());
    EXPECT_TRUE(session->windows().quitRequested());
    EXPECT_EQ(readBytes(path("date/config.db")).rfind("allname=\xBE\xF6\xC8\xFC\r\n", 0), 0u);
}

} // namespace
} // namespace scoreboard::test
