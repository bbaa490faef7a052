// The character filter, the edit commands (posted or sent to all three elements), the text and
// position lookups and AppendLine.
#include "platform/forms/clipboard.h"
#include "platform/forms/fonts.h"
#include "text_box_helpers.h"
#include <functional>

namespace qel::testing {
namespace {

using namespace plat::win;

class TextBoxEditingTest : public TextControlsTest {
protected:
    EventLog log;
    qelTextBox& box(BoxProps props = {}) { return place<qelTextBox>("box", 20, 20, 200, 100, props.bag); }
    void TearDown() override { plat::forms::Clipboard::clear(); }
};

TEST_F(TextBoxEditingTest, TheFilterKeepsOnlyAuthorizedCharactersLineByLine)
{
    qelTextBox& b = box(BoxProps().set("MultiLine", true));
    b.setText("a1b2\r\nc3");
    b.setAuthorizedChars("0123456789");
    EXPECT_EQ(b.Text(), "12\r\n3");
    EXPECT_EQ(b.Text1(b.ActiveElement()).text(), "12\r\n3");
}

TEST_F(TextBoxEditingTest, TheFilterComparesCharactersExactly)
{
    struct Case {
        std::string text, allowed, kept;
    };
    const Case cases[] = {
        {"AaBb", "ab", "ab"},                 // case-sensitive
        {"中文abc", "中c", "中c"},             // whole characters, Chinese included
        {"x\r\n\r\ny", "y", "\r\n\r\ny"},      // empty lines stay
        {"keep all", "", "keep all"},          // empty: no filter
        {"1,5", "0123456789,", "1,5"},
    };
    for (const Case& c : cases) {
        qelTextBox& b = place<qelTextBox>("b" + std::to_string(&c - cases), 20, 20, 200, 100, BoxProps().set("MultiLine", true).bag);
        b.setText(c.text);
        b.setAuthorizedChars(c.allowed);
        EXPECT_EQ(b.Text(), c.kept) << c.text << " / " << c.allowed;
    }
}

TEST_F(TextBoxEditingTest, TypedAndPastedCharactersPassTheFilterToo)
{
    qelTextBox& b = box(BoxProps().set("MultiLine", true));
    b.setAuthorizedChars("0123456789");
    clickIntoText(session, b);
    watch(b, log);
    session.type("7x");
    EXPECT_EQ(b.Text(), "7");
    EXPECT_EQ(log.take(), (Log{"KeyPress 55", "Change", "KeyPress 120"})) << "a refused character changes nothing";
    session.key(VK_RETURN);
    plat::forms::Clipboard::setText("a1b\r\n2中c3");
    b.Paste();
    session.settle();
    EXPECT_EQ(b.Text(), "7\r\n1\r\n23") << "line breaks stay, as the filter keeps the lines";
    EXPECT_EQ(b.Text1(b.ActiveElement()).text(), b.Text());
    b.setAuthorizedChars("");
    session.type("x");
    EXPECT_EQ(b.Text(), "7\r\n1\r\n23x") << "an empty filter lets everything in";
}

TEST_F(TextBoxEditingTest, AnAssignmentAndAPasteKeepTheSameCharacters)
{
    struct Case {
        std::string text, kept;
    };
    const Case cases[] = {
        {"1\n2", "1\n2"},
        {"1\r2", "1\r2"},
        {"a1\r\nb2", "1\r\n2"},
        {"\n\nx3\n", "\n\n3\n"},
        {"1\n\r2", "1\n\r2"},
    };
    for (const Case& c : cases) {
        const std::string name = "b" + std::to_string(&c - cases);
        qelTextBox& assigned = place<qelTextBox>(name + "a", 20, 20, 200, 100, BoxProps().set("MultiLine", true).bag);
        assigned.setText(c.text);
        assigned.setAuthorizedChars("0123456789");
        EXPECT_EQ(assigned.Text(), c.kept) << "assigned: " << c.text;
        qelTextBox& pasted = place<qelTextBox>(name + "p", 20, 140, 200, 100, BoxProps().set("MultiLine", true).bag);
        pasted.setAuthorizedChars("0123456789");
        clickIntoText(session, pasted);
        plat::forms::Clipboard::setText(c.text);
        pasted.Paste();
        session.settle();
        EXPECT_EQ(pasted.Text(), assigned.Text()) << "pasted: " << c.text;
    }
}

TEST_F(TextBoxEditingTest, AStoredFilterRunsWhenLoaded)
{
    qelTextBox& b = box(BoxProps().set("Text", std::string("r2d2")).set("AuthorizedChars", std::string("0123456789")));
    EXPECT_EQ(b.Text(), "22");
}

TEST_F(TextBoxEditingTest, GetCharCountsFromOne)
{
    qelTextBox& b = box();
    b.setText("abc");
    const std::pair<int, std::string> cases[] = {{1, "a"}, {3, "c"}, {0, ""}, {4, ""}, {-1, ""}};
    for (const auto& [index, expected] : cases)
        EXPECT_EQ(b.GetChar(index), expected) << index;
    b.setText("中文");
    EXPECT_EQ(b.GetChar(2), "文") << "characters, not bytes";
}

TEST_F(TextBoxEditingTest, GetLineGivesALineWithoutItsBreak)
{
    qelTextBox& b = box(BoxProps().set("MultiLine", true));
    b.setText("one\r\ntwo 中\r\nthree");
    EXPECT_EQ(b.GetLine(2), "two 中");
    EXPECT_EQ(b.GetLine(3), "three");
    EXPECT_EQ(b.GetLine(4), "");
    EXPECT_EQ(b.GetLine(0), "");
}

TEST_F(TextBoxEditingTest, AppendLineAddsABreakAndTheLine)
{
    qelTextBox& b = box(BoxProps().set("MultiLine", true));
    b.AppendLine("x");
    EXPECT_EQ(b.Text(), "\r\nx") << "even on an empty box the result starts with an empty line";
    EXPECT_EQ(b.Text1(b.ActiveElement()).text(), "\r\nx");
    EXPECT_EQ(b.Text1(0).text(), "") << "only the element in use receives it";
    b.AppendLine("y");
    EXPECT_EQ(b.Text(), "\r\nx\r\ny");
}

TEST_F(TextBoxEditingTest, CoordinatesFindLinesAndCharacters)
{
    qelTextBox& b = box(BoxProps().set("MultiLine", true));
    b.setText("abc\r\ndefgh");
    EditElement& e = b.Text1(b.ActiveElement());
    const int lh = e.LineHeight();
    const plat::gfx::Rect area = e.TextArea();
    // Twips from the element's top-left corner: the middle of the second line, after "de".
    const int de = e.chars().size() ? plat::forms::openFont(e.font()).width(U"de") : 0;
    const double X = (area.left + de + 1) * 15.0, Y = (area.top + lh + lh / 2) * 15.0;
    EXPECT_EQ(b.GetLineByCoords(X, Y), 1);
    EXPECT_EQ(b.GetCharByCoords(X, Y), 7);
    EXPECT_EQ(b.GetLineByCoords(0, 0), 0);
    EXPECT_EQ(b.GetCharByCoords(0, 0), 0);
    EXPECT_EQ(b.GetLineByCoords(30000, 30000), 1) << "beyond the text: the nearest character";
    EXPECT_EQ(b.GetCharByCoords(30000, 30000), 10);
}

TEST_F(TextBoxEditingTest, CoordinatesGiveWholePositionsInLongTexts)
{
    // Past 65 535 characters and lines: a 16-bit answer would wrap around.
    qelTextBox& b = box(BoxProps().set("MultiLine", true).set("ScrollBars", int32_t(0)));
    std::string text;
    for (int i = 0; i < 70000; ++i)
        text += "ab\r\n";
    text += "end";
    b.setText(text);
    b.setFirstVisibleLine(70001);
    const int top = b.FirstVisibleLine();
    ASSERT_GT(top, 65536);
    // A point in the top line, at its start.
    const double Y = (b.Text1(b.ActiveElement()).TextArea().top + 2) * 15.0;
    EXPECT_EQ(b.GetLineByCoords(0, Y), top);
    EXPECT_EQ(b.GetCharByCoords(0, Y), top * 4);
    EXPECT_EQ(b.GetCharByCoords(30000, 30000), 70000 * 4 + 3) << "beyond the text: its end";
}

TEST_F(TextBoxEditingTest, PasteGoesIntoEveryElement)
{
    qelTextBox& b = box();
    b.setText("ab");
    b.setSelStart(1);
    plat::forms::Clipboard::setText("XY");
    watch(b, log);
    b.Paste();
    EXPECT_EQ(b.Text1(0).text(), "ab") << "posted: nothing yet";
    session.settle();
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(b.Text1(i).text(), "aXYb") << i;
    EXPECT_EQ(b.Text(), "aXYb");
    EXPECT_EQ(log.take(), (Log{"Change"})) << "one paste, one change: the hidden elements follow quietly";
}

// Typing reaches only the element in use; an edit command afterwards must not bring back the
// hidden elements' older text.
TEST_F(TextBoxEditingTest, EditCommandsAfterTypingKeepTextAndTheShownTextInStep)
{
    struct Case {
        const char* name;
        std::function<void(qelTextBox&)> command;
        std::string expected;
    };
    const Case cases[] = {
        {"SelText", [](qelTextBox& b) { b.setSelText("HELLO"); }, "HELLO world"},
        {"Paste", [](qelTextBox& b) { b.Paste(); }, "XY world"},
        {"Cut", [](qelTextBox& b) { b.Cut(); }, " world"},
        {"Undo", [](qelTextBox& b) { b.Undo(); }, "hello"},
    };
    for (const Case& c : cases) {
        for (bool multiLine : {false, true}) {
            SCOPED_TRACE(std::string(c.name) + (multiLine ? " multi-line" : " single line"));
            qelTextBox& b = place<qelTextBox>(std::string("b") + c.name + (multiLine ? "m" : "s"), 20, 140, 200, 100,
                BoxProps().set("MultiLine", multiLine).bag);
            b.setText("hello");
            EditElement& shown = b.Text1(b.ActiveElement());
            clickIntoText(session, b);
            session.type(" world");
            ASSERT_EQ(b.Text(), "hello world");
            b.setSelStart(0);
            b.setSelLength(5);
            plat::forms::Clipboard::setText("XY");
            c.command(b);
            session.settle();
            EXPECT_EQ(shown.text(), c.expected);
            EXPECT_EQ(b.Text(), c.expected);
            for (int i = 0; i < 3; ++i)
                EXPECT_EQ(b.Text1(i).text(), c.expected) << "element " << i;
        }
    }
}

TEST_F(TextBoxEditingTest, CopyCutUndoAndClearUndoBuffer)
{
    qelTextBox& b = box();
    b.setText("hello world");
    b.setSelStart(0);
    b.setSelLength(5);
    b.Copy();
    session.settle();
    EXPECT_EQ(plat::forms::Clipboard::getText(), "hello");
    b.Cut();
    session.settle();
    EXPECT_EQ(b.Text(), " world");
    b.Undo();
    session.settle();
    EXPECT_EQ(b.Text(), "hello world");
    b.setSelStart(0);
    b.setSelLength(5);
    b.Cut();
    session.settle();
    b.ClearUndoBuffer();
    b.Undo();
    session.settle();
    EXPECT_EQ(b.Text(), " world") << "nothing left to undo";
}

TEST_F(TextBoxEditingTest, EnsureCaretVisibilityScrollsEveryElementToItsCaret)
{
    qelTextBox& b = box(BoxProps().set("MultiLine", true));
    b.setText(numberedLines(30));
    EditElement& e = b.Text1(b.ActiveElement());
    e.setSelStart(0);
    b.setFirstVisibleLine(10);
    ASSERT_EQ(b.FirstVisibleLine(), 9);
    b.EnsureCaretVisibility();
    EXPECT_EQ(b.FirstVisibleLine(), 0);
}

TEST_F(TextBoxEditingTest, KeyboardEditingInTheField)
{
    qelTextBox& b = box(BoxProps().set("MultiLine", true));
    b.setText("one two");
    clickIntoText(session, b);
    session.key(VK_RETURN);
    session.type("three");
    EXPECT_EQ(b.Text(), "one two\r\nthree");
    session.keyDown(VK_CONTROL);
    session.key('A');
    session.key('C');
    session.keyUp(VK_CONTROL);
    EXPECT_EQ(plat::forms::Clipboard::getText(), "one two\r\nthree");
    session.keyDown(VK_CONTROL);
    session.key('Z');
    session.keyUp(VK_CONTROL);
    EXPECT_EQ(b.Text(), "one two\r\n") << "the run of typing is one step";
}

TEST_F(TextBoxEditingTest, LockedAndMaxLengthRuleTyping)
{
    qelTextBox& b = box(BoxProps().set("MaxLength", int32_t(4)));
    clickIntoText(session, b);
    session.type("abcdef");
    EXPECT_EQ(b.Text(), "abcd");
    b.setLocked(true);
    session.key(VK_BACK);
    EXPECT_EQ(b.Text(), "abcd");
}

TEST_F(TextBoxEditingTest, ADisabledBoxTakesNoTyping)
{
    qelTextBox& b = box();
    b.setEnabled(false);
    EXPECT_FALSE(b.Text1(0).enabled());
    b.setFocus();
    session.settle();
    session.type("x");
    EXPECT_EQ(b.Text(), "");
}

} // namespace
} // namespace qel::testing
