#include "operation_fixture.h"

#include "scoreboard/focus_keeper.h"

#include "controls/core/qel_command.h"
#include "controls/core/qel_label.h"
#include "platform/forms/message_box.h"
#include "platform/forms/timer.h"
#include "platform/window/api.h"

namespace scoreboard::test {
namespace {

using plat::forms::Control;
using qel::qelCommand;

using FocusKeeperTest = OperationTest;

TEST_F(FocusKeeperTest, TheStartButtonTakesTheFocusBackEvery50Ms)
{
    showBoard();
    session->advance(kFocusKeeperMs);
    const auto ok = control<qelCommand>("ok").hwnd();
    EXPECT_EQ(session->windows().focus(), ok);
    control<qelCommand>("on1", 2).setFocus();
    session->advance(kFocusKeeperMs - 1);
    session->advance(1);
    EXPECT_EQ(session->windows().focus(), ok);
}

TEST_F(FocusKeeperTest, NeverTakesTheFocusFromAMessageBox)
{
    showBoard();
    session->advance(kFocusKeeperMs);
    plat::win::HWND before = 0, during = 0, active = 0, boxWindow = 0;
    // Once the box has settled with its own focus, the keeper ticks.
    session->windows().postTask([&] {
        session->windows().postTask([&] {
            plat::forms::MessageBoxForm* box = plat::forms::MessageBoxForm::current();
            ASSERT_NE(box, nullptr);
            boxWindow = box->hwnd();
            before = session->windows().focus();
            keepStartButtonFocus(control<Control>("ok"));
            during = session->windows().focus();
            active = session->windows().activeWindow();
            box->choose(plat::forms::vbOK);
        });
    });
    plat::forms::msgBox("提示一下", plat::forms::vbOKOnly, "提示");
    EXPECT_NE(boxWindow, 0u);
    EXPECT_EQ(active, boxWindow);
    EXPECT_EQ(during, before);
    EXPECT_NE(during, control<qelCommand>("ok").hwnd());
    session->advance(kFocusKeeperMs);
    EXPECT_EQ(session->windows().focus(), control<qelCommand>("ok").hwnd());
}

TEST_F(FocusKeeperTest, MinimisingStopsItAndMatchModeStartsItAgain)
{
    showBoard();
    clickOn(control<qelCommand>("on1", 5));
    EXPECT_FALSE(control<plat::forms::Timer>("Timer6").enabled());
    board->setWindowState(0);
    clickOn(control<qelCommand>("on1", 1));
    EXPECT_TRUE(control<plat::forms::Timer>("Timer6").enabled());
}

TEST_F(FocusKeeperTest, ScoreButtonsScoreWithTheSoundOncePerTwoSeconds)
{
    user().optScoreSound = true;
    showBoard();
    for (int index : { 0, 0, 2 })
        clickOn(control<qelCommand>("v1", index));
    EXPECT_EQ(user().scoreA, 2);
    EXPECT_EQ(user().scoreB, 1);
    EXPECT_EQ(control<qel::qelLabel>("ballnumber", 0).Caption(), "2");
    EXPECT_EQ(takeSounds(), (std::vector<std::string>{ "sound\\comm.wav" }));
    EXPECT_TRUE(control<plat::forms::Timer>("Timer7").enabled());
    session->advance(1999);
    clickOn(control<qelCommand>("v1", 3));
    EXPECT_TRUE(takeSounds().empty());
    session->advance(1);
    EXPECT_FALSE(control<plat::forms::Timer>("Timer7").enabled());
    clickOn(control<qelCommand>("v1", 1));
    EXPECT_EQ(takeSounds(), (std::vector<std::string>{ "sound\\comm.wav" }));
    EXPECT_EQ(user().scoreA, 1);
    EXPECT_EQ(user().scoreB, 0);
    // At 0 a minus changes nothing.
    clickOn(control<qelCommand>("v1", 3));
    EXPECT_EQ(user().scoreB, 0);
}

} // namespace
} // namespace scoreboard::test
