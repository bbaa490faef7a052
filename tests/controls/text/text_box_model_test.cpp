// The text box's composition and members: elements in use, Text, pass-through properties,
// MultiLine and ScrollBars, the legend width rules, line lookups, margins and VScroll.
#include "text_box_helpers.h"

namespace qel::testing {
namespace {

using namespace plat::win;

class TextBoxModelTest : public TextControlsTest {
protected:
    qelTextBox& box(BoxProps props = {}, int w = 200, int h = 100) { return place<qelTextBox>("box", 20, 20, w, h, props.bag); }
};

TEST_F(TextBoxModelTest, ATextReadsBackAndAllThreeElementsHoldIt)
{
    qelTextBox& b = box();
    b.setText("abc\r\n中文");
    EXPECT_EQ(b.Text(), "abc\r\n中文");
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(b.Text1(i).text(), "abc\r\n中文") << i;
}

TEST_F(TextBoxModelTest, ElementInUseFollowsMultiLineAndScrollBars)
{
    struct Case {
        int32_t scrollBars;
        int afterMultiLine;
        int afterScrollBarsAgain;
    };
    const Case cases[] = {{0, 1, 2}, {1, 2, 2}, {2, 1, 1}, {3, 1, 2}};
    for (const Case& c : cases) {
        qelTextBox& b = place<qelTextBox>("b" + std::to_string(c.scrollBars), 20, 20, 200, 100);
        b.setScrollBars(c.scrollBars);
        EXPECT_EQ(b.ActiveElement(), 0) << "single-line whatever the bars";
        b.setMultiLine(true);
        EXPECT_EQ(b.ActiveElement(), c.afterMultiLine) << c.scrollBars;
        EXPECT_TRUE(b.MultiLine());
        b.setScrollBars(c.scrollBars);
        EXPECT_EQ(b.ActiveElement(), c.afterScrollBarsAgain) << c.scrollBars;
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(b.Text1(i).visible(), i == b.ActiveElement()) << c.scrollBars << " element " << i;
        b.setMultiLine(false);
        EXPECT_EQ(b.ActiveElement(), 0);
    }
}

TEST_F(TextBoxModelTest, ScrollBarsShowTheEmbeddedBars)
{
    qelTextBox& b = box();
    const std::pair<int32_t, std::pair<bool, bool>> cases[] = {{0, {false, false}}, {1, {false, true}}, {2, {true, false}}, {3, {true, true}}};
    for (auto [bars, shown] : cases) {
        b.setScrollBars(bars);
        EXPECT_EQ(b.VS().visible(), shown.first) << bars;
        EXPECT_EQ(b.HS().visible(), shown.second) << bars;
    }
    b.setScrollBars(3);
    EXPECT_EQ(b.ActiveElement(), 0) << "MultiLine False keeps element 0 in use";
}

TEST_F(TextBoxModelTest, PassThroughPropertiesReachEveryElement)
{
    qelTextBox& b = box();
    b.setMaxLength(-5);
    EXPECT_EQ(b.MaxLength(), 5);
    b.setAlignment(2);
    b.setLocked(true);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(b.Text1(i).maxLength(), 5);
        EXPECT_EQ(b.Text1(i).alignment(), 2);
        EXPECT_TRUE(b.Text1(i).locked());
    }
    EXPECT_EQ(b.Alignment(), 2);
    EXPECT_TRUE(b.Locked());
    b.setBackColor(0x00FFFF);
    EXPECT_EQ(b.BackColor(), 0x00FFFFu);
    EXPECT_EQ(b.Text1(2).backColor(), 0x00FFFFu);
}

TEST_F(TextBoxModelTest, PassWordCharTakesOnlyOneCharacterOrNone)
{
    qelTextBox& b = box();
    b.setPassWordChar("*");
    EXPECT_EQ(b.PassWordChar(), "*");
    b.setPassWordChar("ab");
    EXPECT_EQ(b.PassWordChar(), "*") << "two characters change nothing";
    b.setPassWordChar("●");
    EXPECT_EQ(b.PassWordChar(), "●") << "one character, whatever its bytes";
    b.setPassWordChar("");
    EXPECT_EQ(b.PassWordChar(), "");
    EXPECT_EQ(b.Text1(1).passwordChar(), "");
}

TEST_F(TextBoxModelTest, FontChangesTheElementsButNotTheLegendFont)
{
    qelTextBox& b = box();
    const plat::forms::FontDesc legend = b.LegendFont();
    plat::forms::FontDesc big;
    big.size = 20;
    b.setFont(big);
    EXPECT_EQ(b.Font(), big);
    EXPECT_EQ(b.Text1(1).font(), big);
    EXPECT_EQ(b.LegendFont(), legend);
    EXPECT_GT(b.TextLineHeightPixels(), 20) << "measured with the new font";
}

TEST_F(TextBoxModelTest, FirstVisibleLineBringsALineToTheTop)
{
    qelTextBox& b = box(BoxProps().set("MultiLine", true));
    b.setText(numberedLines(12));
    ASSERT_GT(b.LineCount(), b.Text1(b.ActiveElement()).VisibleLines());
    b.setFirstVisibleLine(3);
    EXPECT_EQ(b.FirstVisibleLine(), 2);
}

TEST_F(TextBoxModelTest, LineNumberMovesTheCaretOnlyWithinTheLines)
{
    qelTextBox& b = box(BoxProps().set("MultiLine", true));
    b.setText(numberedLines(12));
    b.setLineNumber(11);
    EXPECT_EQ(b.Text1(b.ActiveElement()).caret(), b.FirstChar(11));
    EXPECT_EQ(b.LineIndex(), 11);
    EXPECT_GE(b.FirstVisibleLine(), 11 - b.Text1(b.ActiveElement()).VisibleLines()) << "brought into view";
    const int caret = b.Text1(b.ActiveElement()).caret();
    b.setLineNumber(b.LineCount() + 1);
    EXPECT_EQ(b.Text1(b.ActiveElement()).caret(), caret);
    b.setLineNumber(0);
    EXPECT_EQ(b.Text1(b.ActiveElement()).caret(), caret);
}

TEST_F(TextBoxModelTest, LineLookupsOfTheCaret)
{
    qelTextBox& b = box(BoxProps().set("MultiLine", true));
    b.setText("first\r\nsecond line\r\nthird");
    EditElement& e = b.Text1(b.ActiveElement());
    e.setSelStart(2);
    EXPECT_EQ(b.LineIndex(), 1);
    e.setSelStart(10); // inside "second line"
    EXPECT_EQ(b.LineIndex(), 2);
    EXPECT_EQ(b.FirstChar(), 7);
    EXPECT_EQ(b.LineLength(), 11);
    EXPECT_EQ(b.FirstChar(3), 20);
    EXPECT_EQ(b.LineLength(3), 5);
    EXPECT_EQ(b.LineLength(-1, 1), 5);
    EXPECT_EQ(b.LineIndex(21), 3);
    EXPECT_EQ(b.LineCount(), 3);
}

TEST_F(TextBoxModelTest, SelectionPassesThroughAndReadsElementZero)
{
    qelTextBox& b = box();
    b.setText("hello world");
    b.setSelStart(6);
    b.setSelLength(5);
    EXPECT_EQ(b.SelText(), "world");
    b.setSelText("there");
    EXPECT_EQ(b.Text(), "hello there");
    EXPECT_EQ(b.Text1(1).text(), "hello there");
}

TEST_F(TextBoxModelTest, MarginsKeepPixelsFreeBesideTheText)
{
    qelTextBox& b = box();
    b.setLeftMargin(10);
    b.setRightMargin(12);
    session.settle(); // the margins are posted
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(b.Text1(i).LeftMargin(), 10);
        EXPECT_EQ(b.Text1(i).RightMargin(), 12);
    }
    const plat::gfx::Rect area = b.Text1(0).TextArea();
    EXPECT_EQ(area.left, 10);
    EXPECT_EQ(GetWindowRect(b.Text1(0).hwnd()).width() - area.right, 12);
}

TEST_F(TextBoxModelTest, LegendWidthRules)
{
    qelTextBox& b = box(BoxProps().set("LegendType", int32_t(1)).set("LegendText", std::string("Name")));
    b.setLegendAutosize(true);
    const int32_t measured = b.LegendWidth();
    EXPECT_GT(measured, 0);
    EXPECT_NE(measured, 250);
    b.setLegendWidth(5000);
    EXPECT_EQ(b.LegendWidth(), measured) << "autosized: the caption's measured width";

    qelTextBox& plain = place<qelTextBox>("plain", 20, 200, 200, 60);
    plain.setLegendAutosize(true);
    plain.setLegendText("A longer caption");
    EXPECT_NE(plain.LegendWidth(), 250) << "the caption's width even without a caption legend";
    plain.setLegendWidth(700);
    EXPECT_EQ(plain.LegendWidth(), 700) << "LegendType 0: the assigned width stays";
}

TEST_F(TextBoxModelTest, VScrollIsACopyAndItsAssignmentMovesTheBar)
{
    qelTextBox& b = box(BoxProps().set("MultiLine", true), 200, 100);
    b.setText(numberedLines(20));
    qelPrivateScroll s = b.VScroll();
    EXPECT_EQ(s.Min(), b.VS().Min());
    EXPECT_EQ(s.Max(), b.VS().Max());
    EXPECT_EQ(s.Value(), Whole(1));
    s.setValue(Whole(4));
    const int32_t thumb = b.VS().ThumbPos();
    const Fixed min = b.VS().Min(), max = b.VS().Max();
    b.setVScroll(s);
    EXPECT_EQ(b.VS().Value(), Whole(4));
    EXPECT_GT(b.VS().ThumbPos(), thumb);
    EXPECT_EQ(b.VS().Min(), min);
    EXPECT_EQ(b.VS().Max(), max);
    EXPECT_EQ(b.VS().left() + b.VS().width(), b.width()) << "on the right edge";
    EXPECT_EQ(b.FirstVisibleLine(), 3) << "the text shows from the bar's line";
}

TEST_F(TextBoxModelTest, AVScrollAssignmentScrollsTheTextAndTheBarKeepsToIt)
{
    qelTextBox& b = box(BoxProps().set("MultiLine", true), 200, 100);
    b.setText(numberedLines(20));
    const int32_t last = [&] {
        qelPrivateScroll s = b.VScroll();
        s.setValue(Whole(1000));
        b.setVScroll(s);
        return b.FirstVisibleLine();
    }();
    ASSERT_GT(last, 0);
    ASSERT_LT(last, 19);
    struct Case {
        int32_t value;
        int32_t firstVisibleLine;
    };
    for (const Case c : {Case{6, 5}, Case{2, 1}, Case{1, 0}, Case{1000, last}, Case{last + 1, last}, Case{3, 2}}) {
        qelPrivateScroll s = b.VScroll();
        s.setValue(Whole(c.value));
        b.setVScroll(s);
        EXPECT_EQ(b.FirstVisibleLine(), c.firstVisibleLine) << c.value;
        EXPECT_EQ(b.VS().Value(), Whole(b.FirstVisibleLine() + 1)) << c.value;
    }
}

TEST_F(TextBoxModelTest, AFreshSettingsObjectMakesTheBarZeroWide)
{
    qelTextBox& b = box();
    b.setVScroll(qelPrivateScroll());
    EXPECT_EQ(b.VS().width(), 0);
    EXPECT_EQ(b.VS().Value(), b.VS().Min());
}

TEST_F(TextBoxModelTest, EmbeddedBarsStartAsTheirHostSetsThem)
{
    qelTextBox& b = box();
    EXPECT_EQ(b.VS().Min(), Whole(1));
    EXPECT_EQ(b.HS().Min(), Whole(0));
    EXPECT_EQ(b.HS().SmallChange(), Whole(1));
    EXPECT_EQ(b.HS().LargeChange(), Whole(3));
    EXPECT_EQ(b.HS().WheelChange(), Whole(2));
    EXPECT_FALSE(b.VS().UnRefreshControl());
    EXPECT_TRUE(b.VS().Subclassed()) << "launched at the end of the load";
    EXPECT_TRUE(b.HS().Subclassed());
    EXPECT_TRUE(b.Subclassed());
    EXPECT_FALSE(b.VS().Enabled()) << "nothing to scroll";
}

} // namespace
} // namespace qel::testing
