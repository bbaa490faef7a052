#include "forms_fixture.h"
#include "platform/forms/standard_controls.h"
#include "platform/forms/tool_tip.h"
#include "platform/gfx/system_colors.h"

namespace plat::forms::testing {

using namespace plat::win;

class ToolTipTest : public FormsTest {
protected:
    ToolTipTest()
    {
        registerStandardControls();
        form.load();
        tipped = &form.add<Label>("tipped");
        tipped->move(150, 150, 1500, 450); // pixels (10, 10) to (110, 40)
        tipped->setToolTipText("比赛时间");
        plain = &form.add<Label>("plain");
        plain->move(150, 750, 1500, 450); // pixels (10, 50) to (110, 80)
        form.show();
    }
    Form form{"Tips", std::filesystem::path()};
    Label* tipped = nullptr;
    Label* plain = nullptr;
    ToolTip& tip() { return *form.toolTip(); }
};

TEST_F(ToolTipTest, ShownAfterTheDelayBelowThePointerAndGoneOnLeave)
{
    session.mouseMove(50, 20);
    session.advance(ToolTip::kShowDelayMs - 10);
    EXPECT_FALSE(tip().isShown());
    session.mouseMove(52, 22); // moving within the control does not start the wait again
    session.advance(10);
    ASSERT_TRUE(tip().isShown());
    EXPECT_EQ(tip().text(), "比赛时间");
    gfx::Rect r = GetScreenRect(tip().window());
    EXPECT_EQ(r.left, 52);
    EXPECT_EQ(r.top, 42);
    EXPECT_EQ(GetFocus(), form.hwnd()); // the tip takes neither focus nor activation
    EXPECT_EQ(sys().activeWindow(), form.hwnd());
    session.settle();
    EXPECT_EQ(sys().screen().colorAt(r.left + 1, r.top + 1), gfx::systemColor(gfx::ColorInfoBk));

    session.mouseMove(50, 60); // onto the label without a tip
    EXPECT_FALSE(tip().isShown());
    session.advance(1000);
    EXPECT_FALSE(tip().isShown());
}

TEST_F(ToolTipTest, AClickPutsItAwayUntilThePointerComesBack)
{
    session.mouseMove(50, 20);
    session.advance(ToolTip::kShowDelayMs);
    ASSERT_TRUE(tip().isShown());
    session.click(50, 20);
    EXPECT_FALSE(tip().isShown());
    session.mouseMove(51, 21);
    session.advance(1000);
    EXPECT_FALSE(tip().isShown());
    session.mouseMove(50, 60);
    session.mouseMove(50, 20);
    session.advance(ToolTip::kShowDelayMs);
    EXPECT_TRUE(tip().isShown());
    session.advance(ToolTip::kShowTimeMs);
    EXPECT_FALSE(tip().isShown()); // it does not stay for ever
}

TEST_F(ToolTipTest, UnloadingTheFormTakesTheTipWithIt)
{
    session.mouseMove(50, 20);
    session.advance(ToolTip::kShowDelayMs);
    ASSERT_TRUE(tip().isShown());
    HWND window = tip().window();
    form.unload();
    EXPECT_FALSE(IsWindow(window));
    EXPECT_TRUE(sys().topLevels().empty());
}

} // namespace plat::forms::testing
