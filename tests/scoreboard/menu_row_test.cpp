#include "operation_fixture.h"

#include "scoreboard/key_names.h"

#include "controls/core/qel_command.h"
#include "platform/forms/label.h"
#include "platform/forms/shape.h"

namespace scoreboard::test {
namespace {

using plat::forms::Label;
using plat::forms::Shape;

using MenuRowTest = OperationTest;

TEST_F(MenuRowTest, EachItemActsWhenTheButtonGoesDown)
{
    showBoard();
    struct Case {
        int item;
        std::vector<SetupDialog> dialogs;
        int resets;
        std::vector<std::string> sounds;
    };
    const Case cases[] = {
        { 0, { SetupDialog::TitleAndReferees }, 0, {} },
        { 1, { SetupDialog::Clock }, 0, {} },
        { 2, { SetupDialog::Teams }, 0, {} },
        { 3, { SetupDialog::Score }, 0, {} },
        { 4, { SetupDialog::Period }, 0, {} },
        { 5, { SetupDialog::ShortcutKeys }, 0, {} },
        { 6, {}, 1, {} },
        { 7, {}, 0, { "sound\\nbai.wav" } },
        { 8, {}, 0, { "sound\\nbaf.wav" } },
        { 9, {}, 0, { "sound\\nbaa.wav" } },
    };
    const char* const captions[] = { "设置主题", "比赛时间", "球队名称", "比赛分数", "比赛节次", "按键设置", "数据复位", "进攻号F5", "防守号F6", "全场号F7" };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        dialogs.clear();
        resets = 0;
        Label& item = control<Label>("lab", c.item);
        EXPECT_EQ(item.caption(), captions[c.item]);
        const plat::gfx::Point p = middleOf(item);
        session->mouseDown(p.x, p.y);
        session->settle();
        EXPECT_EQ(dialogs, c.dialogs);
        EXPECT_EQ(resets, c.resets);
        EXPECT_EQ(takeSounds(), c.sounds);
        EXPECT_TRUE(control<Shape>("Sh1").visible());
        session->mouseUp(p.x, p.y);
        session->settle();
        EXPECT_FALSE(control<Shape>("Sh1").visible());
    }
}

TEST_F(MenuRowTest, TheLabelUnderTheMouseIsLit)
{
    showBoard();
    const uint32_t dateColor = control<Label>("timetxt").foreColor();
    moveOver(control<Label>("lab", 3));
    moveOver(control<Label>("lab", 5));
    for (int i = 0; i < 10; ++i) {
        SCOPED_TRACE(i);
        const Label& item = control<Label>("lab", i);
        if (i == 5) {
            EXPECT_EQ(item.backStyle(), 1);
            EXPECT_EQ(item.backColor(), 0xC0C0u);
            EXPECT_EQ(item.foreColor(), dateColor);
            EXPECT_EQ(item.toolTipText(), "按键设置");
        } else {
            EXPECT_EQ(item.backStyle(), 0);
            EXPECT_EQ(item.foreColor(), 0xD3DEF3u);
        }
    }
    const Label& lit = control<Label>("lab", 5);
    const Shape& mark = control<Shape>("Sh1");
    EXPECT_EQ(mark.left(), lit.left() - 30);
    EXPECT_EQ(mark.width(), lit.width() + 60);
    EXPECT_FALSE(mark.visible());
    // The highlight stays when the mouse leaves the row.
    moveOver(control<plat::forms::Control>("ok"));
    EXPECT_EQ(control<Label>("lab", 5).backStyle(), 1);
}

TEST_F(MenuRowTest, DialogsOpenInEveryStateOfTheClock)
{
    showBoard();
    control<plat::forms::Control>("ok").setFocus();
    clickOn(control<plat::forms::Control>("ok")); // the clock runs
    ASSERT_EQ(board->get<qel::qelCommand>("ok").Caption(), "暂停");
    clickOn(control<Label>("lab", 1));
    EXPECT_EQ(dialogs, (std::vector<SetupDialog>{ SetupDialog::Clock }));
}

TEST_F(MenuRowTest, DoubleClicksOnTheDisplaysOpenTheirDialogs)
{
    showBoard();
    control<plat::forms::Control>("ballnumfa").setVisible(true);
    struct Case {
        const char* name;
        int index;
        SetupDialog dialog;
    };
    const Case cases[] = {
        { "titxt", 1, SetupDialog::TitleAndReferees },
        { "balltime", -1, SetupDialog::Clock },
        { "balltime2", -1, SetupDialog::Clock },
        { "ballname", 0, SetupDialog::Teams },
        { "ballname", 1, SetupDialog::Teams },
        { "ballnumber", 0, SetupDialog::Score },
        { "ballnumber", 1, SetupDialog::Score },
        { "ballnum2", -1, SetupDialog::Period },
        { "ballmakenum", -1, SetupDialog::Period },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " " + std::to_string(c.index));
        dialogs.clear();
        plat::forms::Control* display = c.index < 0 ? board->find(c.name) : board->find(c.name, c.index);
        ASSERT_NE(display, nullptr);
        // Not every display is on top where its middle is; double-click where the window is hit.
        plat::win::HWND hit = session->windows().windowFromPoint(middleOf(*display));
        ASSERT_EQ(board->controlOf(hit), display) << "covered by " << (board->controlOf(hit) ? board->controlOf(hit)->name() : "?");
        doubleClickOn(*display);
        EXPECT_EQ(dialogs, (std::vector<SetupDialog>{ c.dialog }));
    }
}

TEST_F(MenuRowTest, HoverTextsOfTheStartButtonClockAndTeamNames)
{
    user().teamNameA = "猛龙";
    showBoard();
    moveOver(control<plat::forms::Control>("ok"));
    EXPECT_EQ(control<plat::forms::Control>("ok").toolTipText(), "开始 " + ballkey(13));
    moveOver(control<plat::forms::Control>("balltime"));
    EXPECT_EQ(control<plat::forms::Control>("balltime").toolTipText(), "比赛时间:12:00");
    moveOver(control<plat::forms::Control>("ballname", 0));
    EXPECT_EQ(control<plat::forms::Control>("ballname", 0).toolTipText(), "猛龙");
}

} // namespace
} // namespace scoreboard::test
