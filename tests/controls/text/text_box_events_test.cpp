// The text box through real messages: typing and its events, KeyPress refusing a key, the
// legend's own mouse events, hover and leave, the layout, focus and teardown.
#include "controls/core/qel_command.h"
#include "text_box_helpers.h"

namespace qel::testing {
namespace {

using namespace plat::win;

class TextBoxEventsTest : public TextControlsTest {
protected:
    EventLog log;
    // A single-line box at screen (20, 20), 200 × 30 pixels, with a 250-twip caption legend:
    // the legend covers pixels 0 to 16 of the control, the text starts at 295 twips.
    qelTextBox& legendBox()
    {
        qelTextBox& b = place<qelTextBox>("box", 20, 20, 200, 30, BoxProps().set("LegendType", int32_t(1)).set("ScrollBars", int32_t(0)).bag);
        watch(b, log);
        return b;
    }
    void typeKey(int vk, const std::string& character)
    {
        session.keyDown(vk);
        session.type(character);
        session.keyUp(vk);
    }
};

TEST_F(TextBoxEventsTest, TypingOneCharacterRaisesItsEventsInOrder)
{
    qelTextBox& b = legendBox();
    b.setFocus();
    session.settle();
    EXPECT_EQ(GetFocus(), b.Text1(0).hwnd()) << "the box hands the focus to its field";
    typeKey('A', "a");
    EXPECT_EQ(log.take(), (Log{"KeyDown 65", "KeyPress 97", "Change", "KeyUp 65"}));
    EXPECT_EQ(b.Text(), "a");
    session.type("中文");
    EXPECT_EQ(log.take(), (Log{"KeyPress 20013", "Change", "KeyPress 25991", "Change"}));
    EXPECT_EQ(b.Text(), "a中文");
    session.key(VK_BACK);
    EXPECT_EQ(log.take(), (Log{"KeyDown 8", "KeyPress 8", "Change", "KeyUp 8"}));
    EXPECT_EQ(b.Text(), "a中");
}

TEST_F(TextBoxEventsTest, AKeyPressHandlerRefusesACharacterWithZero)
{
    qelTextBox& b = legendBox();
    b.setText("ok");
    b.setSelStart(2);
    b.KeyPress = [&](int& KeyAscii) {
        log.add("KeyPress " + std::to_string(KeyAscii));
        if (KeyAscii != 8)
            KeyAscii = 0;
    };
    b.setFocus();
    session.settle();
    log.take();
    session.type("x");
    EXPECT_EQ(log.take(), Log{"KeyPress 120"}) << "no Change";
    EXPECT_EQ(b.Text(), "ok");
    session.key(VK_BACK);
    EXPECT_EQ(b.Text(), "o") << "backspace let through";
}

TEST_F(TextBoxEventsTest, KeyDownHandlerCanDropAKey)
{
    qelTextBox& b = legendBox();
    b.setText("abc");
    b.setSelStart(3);
    b.KeyDown = [](int& KeyCode, int&) {
        if (KeyCode == VK_LEFT)
            KeyCode = 0;
    };
    b.setFocus();
    session.settle();
    session.key(VK_LEFT);
    EXPECT_EQ(b.Text1(0).caret(), 3);
    session.key(VK_HOME);
    EXPECT_EQ(b.Text1(0).caret(), 0);
}

TEST_F(TextBoxEventsTest, AssigningTextRaisesChangeOncePerElementItChanges)
{
    qelTextBox& b = legendBox();
    b.setText("new");
    EXPECT_EQ(log.take(), (Log{"Change", "Change", "Change"}));
    b.setText("new");
    EXPECT_EQ(log.take(), Log{});
}

TEST_F(TextBoxEventsTest, LegendMouseEventsInTwipsWithShiftAsMinusOne)
{
    legendBox();
    session.mouseMove(30, 24);
    log.take();
    session.click(30, 24);
    EXPECT_EQ(log.take(), (Log{"LegendMouseDown 1 0 0 150 60", "LegendMouseUp 1 0 0 150 60"}));
    session.keyDown(VK_SHIFT);
    session.click(30, 24, 2);
    session.keyUp(VK_SHIFT);
    session.keyDown(VK_CONTROL);
    session.click(30, 24, 3);
    session.keyUp(VK_CONTROL);
    Log legend;
    for (const std::string& e : log.take())
        if (e.rfind("Legend", 0) == 0)
            legend.push_back(e);
    EXPECT_EQ(legend, (Log{"LegendMouseDown 2 -1 0 150 60", "LegendMouseUp 2 -1 0 150 60", "LegendMouseDown 4 0 -1 150 60",
                              "LegendMouseUp 4 0 -1 150 60"}));
}

TEST_F(TextBoxEventsTest, LegendMoveButtonsAndWheel)
{
    qelTextBox& b = legendBox();
    std::vector<int> buttons;
    b.LegendMouseMove = [&](int& Button, int&, int&, int&, int&) { buttons.push_back(Button); };
    session.mouseMove(30, 24);
    session.mouseDown(30, 24, 1);
    session.mouseDown(30, 24, 2);
    session.mouseMove(31, 24);
    session.mouseUp(31, 24, 2);
    session.mouseUp(31, 24, 1);
    ASSERT_GE(buttons.size(), 2u);
    EXPECT_EQ(buttons.front(), 0);
    EXPECT_EQ(buttons.back(), 2) << "left and right held: the right wins";
    log.take();
    session.wheel(30, 24, -120);
    session.wheel(30, 24, 120);
    EXPECT_EQ(log.take(), (Log{"LegendMouseWheel 1", "LegendMouseWheel 0"}));
}

TEST_F(TextBoxEventsTest, LegendHoverOncePerStayAndLeaveOntoTheText)
{
    legendBox();
    session.mouseMove(30, 24);
    session.advance(5);
    session.mouseMove(31, 25);
    session.advance(5);
    EXPECT_EQ(log.take(), Log{"LegendMouseHover"});
    session.mouseMove(120, 30); // onto the edit field
    EXPECT_EQ(log.take(), Log{"LegendMouseLeave"});
    session.mouseMove(30, 24);
    session.advance(5);
    EXPECT_EQ(log.take(), Log{"LegendMouseHover"});
}

TEST_F(TextBoxEventsTest, LegendKeysWhenTheControlWindowHasTheKeyboard)
{
    qelTextBox& b = legendBox();
    b.Text1(0).setEnabled(false); // the field cannot take the focus: the control window keeps it
    SetFocus(b.hwnd());
    session.settle();
    session.key(0x71); // F2
    EXPECT_EQ(log.take(), Log{"LegendKeyDown 113"});
}

TEST_F(TextBoxEventsTest, LayoutWithoutLegendAndBars)
{
    qelTextBox& b = place<qelTextBox>("box", 20, 20, 200, 40, BoxProps().set("ScrollBars", int32_t(0)).bag);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(b.Text1(i).left(), 45);
        EXPECT_EQ(b.Text1(i).top(), 30);
        EXPECT_EQ(b.Text1(i).width(), 2910);
    }
    EXPECT_EQ(b.Text1(0).height(), 555);
    EXPECT_EQ(b.Text1(1).height(), 555);
    EXPECT_EQ(b.Text1(2).height(), 555 + 14 * 17) << "its own bar below, cut off";
    EXPECT_EQ(b.VS().left(), 2970);
    EXPECT_EQ(b.HS().left(), 30);
    EXPECT_FALSE(b.VS().visible());
    EXPECT_FALSE(b.HS().visible());
    // Element 2 shows only its text: its window region ends above its own bar.
    const auto& region = session.windows().get(b.Text1(2).hwnd())->region;
    ASSERT_TRUE(region.has_value());
    EXPECT_EQ(region->bounds(), (plat::gfx::Rect{0, 0, 194, 36})) << "793 twips, 53 pixels, less the 17 of the bar";
}

TEST_F(TextBoxEventsTest, WorkedLayoutWithLegendAndBothBars)
{
    qelTextBox& b = place<qelTextBox>("box", 20, 20, 150, 100, BoxProps().set("LegendType", int32_t(1)).bag);
    qelPrivateScroll s = b.VScroll();
    s.setWidth(220);
    b.setVScroll(s);
    b.HS().move(b.HS().left(), b.HS().top(), b.HS().width(), 220);
    b.move(b.left(), b.top(), 3000, 2000);
    session.settle();
    EXPECT_EQ(b.VS().left(), 2750);
    EXPECT_EQ(b.VS().top(), 30);
    EXPECT_EQ(b.VS().height(), 1720);
    EXPECT_EQ(b.HS().left(), 280);
    EXPECT_EQ(b.HS().top(), 1750);
    EXPECT_EQ(b.HS().width(), 2470);
    EXPECT_EQ(b.Text1(0).left(), 295);
    EXPECT_EQ(b.Text1(0).top(), 30);
    EXPECT_EQ(b.Text1(0).width(), 2440);
    EXPECT_EQ(b.Text1(0).height(), 1735);
    EXPECT_EQ(b.Text1(2).height(), 1735 + 14 * 17);
}

TEST_F(TextBoxEventsTest, TooSmallABoxGivesEmptyFieldsNotNegativeOnes)
{
    qelTextBox& b = place<qelTextBox>("box", 20, 20, 3, 2, BoxProps().set("LegendType", int32_t(1)).bag);
    EXPECT_EQ(b.Text1(0).width(), 0);
    EXPECT_EQ(b.Text1(0).height(), 0);
    b.setText("still works");
    EXPECT_EQ(b.Text(), "still works");
}

TEST_F(TextBoxEventsTest, TabMovesPastTheBoxAndBack)
{
    qelCommand& before = place<qelCommand>("before", 20, 100, 80, 24);
    qelTextBox& b = place<qelTextBox>("box", 20, 20, 200, 30);
    qelCommand& after = place<qelCommand>("after", 120, 100, 80, 24);
    before.setFocus();
    session.settle();
    session.key(VK_TAB);
    EXPECT_EQ(GetFocus(), b.Text1(0).hwnd());
    session.key(VK_TAB);
    EXPECT_EQ(GetFocus(), after.hwnd());
    session.keyDown(VK_SHIFT);
    session.key(VK_TAB);
    EXPECT_EQ(GetFocus(), b.Text1(0).hwnd());
    session.key(VK_TAB);
    session.keyUp(VK_SHIFT);
    EXPECT_EQ(GetFocus(), before.hwnd());
}

TEST_F(TextBoxEventsTest, TeardownPutsThePreviousProcedureBack)
{
    qelTextBox& b = legendBox();
    ASSERT_TRUE(b.Subclassed());
    const HWND h = b.hwnd();
    form.unload(); // the controls themselves go once the current message is done
    EXPECT_FALSE(IsWindow(h));
    EXPECT_FALSE(b.Subclassed()) << "the hook is out of the window's chain";
    EXPECT_FALSE(b.VS().Subclassed());
}

TEST_F(TextBoxEventsTest, ADesignerBoxIsNeverSubclassed)
{
    form.setDesignMode(true);
    qelTextBox& b = place<qelTextBox>("box", 20, 20, 200, 30);
    EXPECT_FALSE(b.Subclassed());
    EXPECT_FALSE(b.VS().Subclassed());
    EXPECT_FALSE(b.HS().Subclassed());
    form.setDesignMode(false);
}

} // namespace
} // namespace qel::testing
