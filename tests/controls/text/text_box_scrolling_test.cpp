// The embedded bars and the edit field kept together: VS follows the top line (and scrolls it),
// its range and state follow the text; HS scrolls element 2 sideways and follows it.
#include "text_box_helpers.h"

namespace qel::testing {
namespace {

using namespace plat::win;

// A multi-line box with the vertical bar only, at screen (20, 20), 200 × 56 pixels: the
// elements are 795 twips high, room for four lines of the 13-pixel font.
class TextBoxScrollingTest : public TextControlsTest {
protected:
    EventLog log;
    qelTextBox& vertical(const std::string& text)
    {
        qelTextBox& b = place<qelTextBox>("box", 20, 20, 200, 56, BoxProps().set("MultiLine", true).set("ScrollBars", int32_t(2)).bag);
        b.setText(text);
        watch(b, log);
        return b;
    }
    // VS's arrows on the screen: the bar is 17 pixels wide at the right, its arrows 17 high.
    plat::gfx::Point vsArrow(qelTextBox& b, bool down)
    {
        const plat::gfx::Rect r = GetScreenRect(b.VS().hwnd());
        return {r.left + 8, down ? r.bottom - 8 : r.top + 8};
    }
    void clickAt(plat::gfx::Point p)
    {
        session.mouseMove(p.x, p.y);
        session.advance(600); // no double clicks
        session.click(p.x, p.y);
    }
};

TEST_F(TextBoxScrollingTest, VerticalRangeAndStateFollowTheText)
{
    qelTextBox& b = vertical(numberedLines(10));
    ASSERT_EQ(b.Text1(1).VisibleLines(), 4);
    EXPECT_EQ(b.VS().Max(), Whole(7));
    EXPECT_TRUE(b.VS().Enabled());
    b.setText(numberedLines(3));
    EXPECT_EQ(b.VS().Max(), Whole(0));
    EXPECT_FALSE(b.VS().Enabled());
}

TEST_F(TextBoxScrollingTest, KeyboardScrollingMovesTheBarSilently)
{
    qelTextBox& b = vertical(numberedLines(10));
    EventLog barLog;
    b.Text1(1).setFocus();
    session.settle();
    for (int i = 0; i < 7; ++i)
        session.key(VK_DOWN);
    ASSERT_EQ(b.FirstVisibleLine(), 4) << "line 5 at the top";
    EXPECT_EQ(b.VS().Value(), Whole(5));
    for (const std::string& e : log.take())
        EXPECT_EQ(e.rfind("VScrolled", 0), std::string::npos) << "no change of VS's own: " << e;
}

TEST_F(TextBoxScrollingTest, TheBarsArrowsScrollTheText)
{
    qelTextBox& b = vertical(numberedLines(10));
    clickAt(vsArrow(b, true));
    clickAt(vsArrow(b, true));
    EXPECT_EQ(log.take(), (Log{"VScrolled 2", "VScrolled 3"}));
    EXPECT_EQ(b.FirstVisibleLine(), 2);
    EXPECT_EQ(b.VS().Value(), Whole(3));
    clickAt(vsArrow(b, false));
    clickAt(vsArrow(b, false));
    EXPECT_EQ(log.take(), (Log{"VScrolled 2", "VScrolled 1"}));
    EXPECT_EQ(b.FirstVisibleLine(), 0) << "VS at 1: the first line at the top";
}

TEST_F(TextBoxScrollingTest, SettingTheBarsValueScrollsTheTextToIt)
{
    qelTextBox& b = vertical(numberedLines(60));
    ASSERT_EQ(b.VS().Max(), Whole(57));
    struct Step {
        int value;
        bool blockVS; // the host moves the bar without its Change
        int firstVisibleLine;
        Log events;
    };
    const Step steps[] = {
        {50, false, 49, {"VScrolled 50"}},
        {10, false, 9, {"VScrolled 10"}},
        {10, false, 9, {}},
        {1, false, 0, {"VScrolled 1"}},
        {100, false, 56, {"VScrolled 57"}}, // kept within the range
        {20, true, 19, {"VScrolled 20"}},
        {21, false, 20, {"VScrolled 21"}},
    };
    for (const Step& s : steps) {
        log.take();
        b.VS().setBlockVS(s.blockVS);
        b.VS().setValue(Whole(s.value));
        session.settle();
        EXPECT_EQ(b.FirstVisibleLine(), s.firstVisibleLine) << "VS set to " << s.value;
        EXPECT_EQ(b.VS().Value(), Whole(s.firstVisibleLine + 1)) << "VS set to " << s.value;
        EXPECT_EQ(log.take(), s.events) << "VS set to " << s.value;
    }
    // The text scrolled by keys still moves the bar along, silently.
    b.Text1(1).setFocus();
    session.settle();
    session.key(VK_DOWN);
    session.key(VK_DOWN);
    session.key(VK_DOWN);
    session.key(VK_DOWN);
    EXPECT_EQ(b.FirstVisibleLine() + 1, FloorOf(b.VS().Value()));
}

TEST_F(TextBoxScrollingTest, PagingTheBarRepeatsToTheEnd)
{
    qelTextBox& b = vertical(numberedLines(30));
    const plat::gfx::Rect r = GetScreenRect(b.VS().hwnd());
    session.mouseMove(r.left + 8, r.bottom - 20);
    session.mouseDown(r.left + 8, r.bottom - 20);
    session.advance(1000);
    session.mouseUp(r.left + 8, r.bottom - 20);
    EXPECT_EQ(b.VS().Value(), b.VS().Max());
    EXPECT_EQ(b.FirstVisibleLine(), 26) << "30 lines, 4 shown";
}

TEST_F(TextBoxScrollingTest, DraggingTheThumbTakesTheTextAlongToWhereItIsLeft)
{
    qelTextBox& b = vertical(numberedLines(40));
    const plat::gfx::Rect r = GetScreenRect(b.VS().hwnd());
    const int thumbTop = r.top + b.VS().ThumbPos() / 15;
    session.mouseMove(r.left + 8, thumbTop + 1);
    session.mouseDown(r.left + 8, thumbTop + 1);
    for (int dy = 2; dy <= 12; dy += 2)
        session.mouseMove(r.left + 8, thumbTop + dy);
    session.mouseUp(r.left + 8, thumbTop + 12);
    EXPECT_GT(b.VS().Value(), Whole(1));
    EXPECT_EQ(b.FirstVisibleLine() + 1, FloorOf(b.VS().Value())) << "the text ends where the thumb was left";
}

TEST_F(TextBoxScrollingTest, WheelOverTheTextScrollsAndTheBarFollows)
{
    qelTextBox& b = vertical(numberedLines(20));
    const plat::gfx::Rect r = GetScreenRect(b.Text1(1).hwnd());
    session.wheel(r.left + 20, r.top + 10, -120);
    EXPECT_EQ(b.FirstVisibleLine(), 3);
    EXPECT_EQ(b.VS().Value(), Whole(4));
}

// A multi-line box with both bars, 200 × 80 pixels, for sideways scrolling.
class TextBoxSidewaysTest : public TextBoxScrollingTest {
protected:
    qelTextBox& both(const std::string& text)
    {
        qelTextBox& b = place<qelTextBox>("box", 20, 20, 200, 80, BoxProps().set("MultiLine", true).bag);
        b.setText(text);
        watch(b, log);
        return b;
    }
    static std::string longLine() { return "0123456789abcdefghijklmnopqrstuvwxyz0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ"; }
    plat::gfx::Point hsArrow(qelTextBox& b, bool right)
    {
        const plat::gfx::Rect r = GetScreenRect(b.HS().hwnd());
        return {right ? r.right - 8 : r.left + 8, r.top + 8};
    }
};

TEST_F(TextBoxSidewaysTest, HSFollowsTheElementsOwnScrollRange)
{
    qelTextBox& b = both("short");
    ASSERT_EQ(b.ActiveElement(), 2);
    EXPECT_FALSE(b.HS().Enabled()) << "nothing to scroll sideways: its page is 1";
    b.setText(longLine());
    EXPECT_TRUE(b.HS().Enabled());
    SCROLLINFO info;
    ASSERT_TRUE(b.Text1(2).GetScrollInfo(SB_HORZ, info));
    EXPECT_EQ(b.HS().Max(), Whole((info.nMax - int(info.nPage)) / b.HSUnitPixels()));
    EXPECT_EQ(b.HS().Value(), Whole(0));
}

TEST_F(TextBoxSidewaysTest, MovingHSScrollsElementTwoByCharacters)
{
    qelTextBox& b = both(longLine());
    const int step = b.Text1(2).CharacterStep();
    for (int i = 0; i < 3; ++i)
        clickAt(hsArrow(b, true));
    EXPECT_EQ(log.take(), (Log{"HScrolled 1", "HScrolled 2", "HScrolled 3"}));
    EXPECT_EQ(b.Text1(2).ScrollX(), 3 * step);
    EXPECT_EQ(b.HS().Value(), Whole(3)) << "the bar and the text agree";
    // Home on the bar: back to 0, three characters left and one more (there is none to go).
    b.HS().setFocus();
    session.settle();
    session.key(VK_HOME);
    EXPECT_EQ(log.take(), Log{"HScrolled 0"});
    EXPECT_EQ(b.Text1(2).ScrollX(), 0);
}

TEST_F(TextBoxSidewaysTest, AtTheEndOfTheRangeOneCharacterMore)
{
    qelTextBox& b = both(longLine());
    b.HS().setFocus();
    session.settle();
    session.key(VK_END);
    EXPECT_EQ(log.take(), Log{"HScrolled " + text(b.HS().Max())});
    SCROLLINFO info;
    b.Text1(2).GetScrollInfo(SB_HORZ, info);
    EXPECT_EQ(info.nTrackPos, info.nMax - int(info.nPage) + 1) << "the end of the longest line shows";
}

TEST_F(TextBoxSidewaysTest, AStepBelowOneScrollsNothing)
{
    qelTextBox& b = both(longLine());
    b.HS().setSmallChange(Fixed::fromScaled(5000));
    clickAt(hsArrow(b, true));
    EXPECT_EQ(log.take(), Log{}) << "half a unit from the last applied value";
    EXPECT_EQ(b.Text1(2).ScrollX(), 0);
}

TEST_F(TextBoxSidewaysTest, TypingPastTheEdgeMovesHSAlong)
{
    qelTextBox& b = both("");
    b.Text1(2).setFocus();
    session.settle();
    session.type(longLine());
    EXPECT_GT(b.Text1(2).ScrollX(), 0);
    const Fixed followed = Fixed::fromDouble(double(b.Text1(2).ScrollX()) / b.HSUnitPixels());
    EXPECT_EQ(b.HS().Value(), std::min(followed, b.HS().Max())) << "the caret's place, within the bar's range";
}

TEST_F(TextBoxSidewaysTest, DraggingHSTakesTheTextToWhereTheThumbIsLeft)
{
    qelTextBox& b = both(longLine() + longLine());
    const plat::gfx::Rect r = GetScreenRect(b.HS().hwnd());
    const int thumbLeft = r.left + b.HS().ThumbPos() / 15;
    session.mouseMove(thumbLeft + 1, r.top + 8);
    session.mouseDown(thumbLeft + 1, r.top + 8);
    for (int dx = 3; dx <= 30; dx += 3)
        session.mouseMove(thumbLeft + dx, r.top + 8);
    const Fixed left = b.HS().Value();
    session.mouseUp(thumbLeft + 30, r.top + 8);
    EXPECT_GT(left, Whole(3));
    EXPECT_EQ(b.Text1(2).ScrollX(), int(FloorOf(left)) * b.Text1(2).CharacterStep());
    EXPECT_EQ(b.HS().Value(), left) << "the bar stays where it was left";
}

TEST_F(TextBoxSidewaysTest, GetyGivesTrackPositionAndRangeMaximum)
{
    qelTextBox& b = both(longLine());
    clickAt(hsArrow(b, true));
    SCROLLINFO info;
    b.Text1(2).GetScrollInfo(SB_HORZ, info);
    EXPECT_EQ(b.gety(), std::to_string(info.nTrackPos) + "  /  " + std::to_string(info.nMax));
    EXPECT_NE(info.nTrackPos, 0);
}

} // namespace
} // namespace qel::testing
