#include "input_controls_fixture.h"
#include "platform/forms/clipboard.h"
#include "platform/forms/text_box.h"
#include "platform/gfx/system_colors.h"

namespace plat::forms::testing {

using namespace plat::win;

class TextBoxTest : public InputControlsTest {
protected:
    TextBoxTest()
    {
        box = &place<TextBox>("box", gfx::Rect::fromSize(20, 20, 200, 22));
        other = &place<TextBox>("other", gfx::Rect::fromSize(20, 60, 200, 22));
        box->setText("");
        other->setText("");
        box->setFocus();
        session.settle();
    }
    TextBox* box = nullptr;
    TextBox* other = nullptr;
    std::vector<std::string> events;
    void record(TextBox& b)
    {
        b.onKeyDown = [this](int& code, int shift) { events.push_back("KeyDown " + std::to_string(code) + " " + std::to_string(shift)); };
        b.onKeyPress = [this](int& ascii) { events.push_back("KeyPress " + std::to_string(ascii)); };
        b.onKeyUp = [this](int& code, int) { events.push_back("KeyUp " + std::to_string(code)); };
        b.onChange = [this, &b] { events.push_back("Change " + b.text()); };
        b.onGotFocus = [this] { events.push_back("GotFocus"); };
        b.onLostFocus = [this] { events.push_back("LostFocus"); };
    }
};

TEST_F(TextBoxTest, TypingRaisesKeyDownKeyPressChangeKeyUpInThatOrder)
{
    record(*box);
    session.keyDown('A');
    session.type("a");
    session.keyUp('A');
    EXPECT_EQ(events, (std::vector<std::string>{"KeyDown 65 0", "KeyPress 97", "Change a", "KeyUp 65"}));
    EXPECT_EQ(box->text(), "a");
    EXPECT_EQ(box->selStart(), 1);
}

TEST_F(TextBoxTest, KeyPressCanDropOrReplaceTheCharacter)
{
    // As a digits-only box does: codes above 57 are refused, and a handler may change the code.
    box->onKeyPress = [](int& ascii) {
        if (ascii > 57)
            ascii = 0;
        else if (ascii == '-')
            ascii = '+';
    };
    session.type("1a2-中");
    EXPECT_EQ(box->text(), "12+");
    // Backspace arrives as 8 and passes.
    session.key(VK_BACK);
    EXPECT_EQ(box->text(), "12");
}

TEST_F(TextBoxTest, KeyDownSetToZeroStopsWhatTheKeyWouldDo)
{
    session.type("abc");
    box->onKeyDown = [](int& code, int) {
        if (code == VK_LEFT || code == VK_DELETE)
            code = 0;
    };
    press(VK_LEFT);
    EXPECT_EQ(box->selStart(), 3);
    press(VK_HOME);
    press(VK_DELETE);
    EXPECT_EQ(box->text(), "abc");
    EXPECT_EQ(box->selStart(), 0);
}

TEST_F(TextBoxTest, ChineseTextTypedAsCharactersCountsCharacters)
{
    session.type("篮球abc");
    EXPECT_EQ(box->text(), "篮球abc");
    EXPECT_EQ(box->selStart(), 5);
    press(VK_LEFT, 1); // Shift+Left
    press(VK_LEFT, 1);
    press(VK_LEFT, 1);
    press(VK_LEFT, 1);
    EXPECT_EQ(box->selStart(), 1);
    EXPECT_EQ(box->selLength(), 4);
    EXPECT_EQ(box->selText(), "球abc");
    session.type("赛");
    EXPECT_EQ(box->text(), "篮赛");
    session.key(VK_BACK);
    EXPECT_EQ(box->text(), "篮");
    // MaxLength counts characters, not bytes: four Chinese characters fit in 4.
    other->setMaxLength(4);
    other->setFocus();
    session.type("张三李四王");
    EXPECT_EQ(other->text(), "张三李四");
}

TEST_F(TextBoxTest, CaretMovesAndShiftSelects)
{
    session.type("one two three");
    struct Case {
        int vk;
        int modifiers;
        int selStart;
        int selLength;
    };
    const Case cases[] = {
        {VK_HOME, 0, 0, 0},
        {VK_RIGHT, 2, 4, 0},  // Ctrl+Right: the next word
        {VK_RIGHT, 3, 4, 4},  // Ctrl+Shift+Right selects "two "
        {VK_END, 1, 4, 9},    // Shift+End to the end
        {VK_LEFT, 0, 4, 0},   // Left ends the selection at its start
        {VK_LEFT, 2, 0, 0},   // Ctrl+Left: the word before
        {VK_END, 0, 13, 0},
        {VK_HOME, 1, 0, 13},  // Shift+Home selects back to the start
        {VK_RIGHT, 0, 13, 0}, // Right ends it at its end
        {VK_UP, 0, 12, 0},    // a single-line box takes Up and Down as Left and Right
        {VK_DOWN, 0, 13, 0},
    };
    for (const Case& c : cases) {
        press(c.vk, c.modifiers);
        EXPECT_EQ(box->selStart(), c.selStart) << "key " << c.vk << " modifiers " << c.modifiers;
        EXPECT_EQ(box->selLength(), c.selLength) << "key " << c.vk << " modifiers " << c.modifiers;
    }
    press(VK_HOME);
    press(VK_RIGHT, 1);
    press(VK_DELETE);
    EXPECT_EQ(box->text(), "ne two three");
}

TEST_F(TextBoxTest, TheMousePlacesTheCaretDragsASelectionAndADoubleClickTakesAWord)
{
    session.type("alpha beta");
    const EditField& f = box->editField();
    // A click left of the middle of a character goes before it, right of it after.
    int x = f.caretPoint().x; // after "beta": the end
    clickAt(*box, x + 30, 10);
    EXPECT_EQ(box->selStart(), 10);
    press(VK_HOME);
    int startX = f.caretPoint().x;
    clickAt(*box, startX + 1, 10);
    EXPECT_EQ(box->selStart(), 0);
    // Drag from the start to far right.
    session.advance(600); // not a double click
    gfx::Point from = on(*box, startX + 1, 10), to = on(*box, 195, 10);
    session.mouseDown(from.x, from.y);
    session.mouseMove(to.x, to.y);
    session.mouseUp(to.x, to.y);
    EXPECT_EQ(box->selStart(), 0);
    EXPECT_EQ(box->selLength(), 10);
    // Shift+click extends from the anchor.
    session.advance(600);
    clickAt(*box, startX + 1, 10);
    press(VK_END, 1);
    EXPECT_EQ(box->selLength(), 10);
    // A double click on "beta" selects it.
    session.advance(600);
    press(VK_END);
    int endX = f.caretPoint().x;
    clickAt(*box, endX - 4, 10);
    clickAt(*box, endX - 4, 10);
    EXPECT_EQ(box->selText(), "beta");
}

TEST_F(TextBoxTest, ClipboardWithinTheProgram)
{
    Clipboard::clear();
    session.type("copy me");
    press(VK_HOME, 1); // select all of it
    press('C', 2);
    EXPECT_EQ(Clipboard::getText(), "copy me");
    other->setFocus();
    press('V', 2);
    press('V', 2);
    EXPECT_EQ(other->text(), "copy mecopy me");
    // Cut takes the selection away; Ctrl+Z brings it back, and again takes it away.
    press(VK_HOME, 1);
    press(VK_DELETE, 1); // Shift+Delete cuts
    EXPECT_EQ(other->text(), "");
    EXPECT_EQ(Clipboard::getText(), "copy mecopy me");
    press('Z', 2);
    EXPECT_EQ(other->text(), "copy mecopy me");
    // Ctrl+A selects everything, Ctrl+Insert copies, Shift+Insert pastes.
    press('A', 2);
    EXPECT_EQ(other->selLength(), 14);
    // A password box shows only its character and lets nothing be copied.
    box->setPasswordChar("*");
    box->setFocus();
    press('A', 2);
    Clipboard::setText("unchanged");
    press('C', 2);
    press('X', 2);
    EXPECT_EQ(Clipboard::getText(), "unchanged");
    EXPECT_EQ(box->text(), "copy me");
    // Pasting into a single-line box keeps the first line of the clipboard.
    Clipboard::setText("first\r\nsecond");
    other->setFocus();
    press(VK_END);
    press(VK_INSERT, 1);
    EXPECT_EQ(other->text(), "copy mecopy mefirst");
}

TEST_F(TextBoxTest, MaxLengthLimitsTypingAndPastingButNotCode)
{
    box->setMaxLength(2);
    session.type("753");
    EXPECT_EQ(box->text(), "75");
    Clipboard::setText("123");
    press(VK_HOME);
    press('V', 2);
    EXPECT_EQ(box->text(), "75");
    press(VK_RIGHT, 1);
    press('V', 2); // replaces one character with one
    EXPECT_EQ(box->text(), "15");
    box->setText("12345");
    EXPECT_EQ(box->text(), "12345");
}

TEST_F(TextBoxTest, CharactersRefusedForWantOfRoomFlashTheField)
{
    box->setMaxLength(2);
    session.type("75");
    EXPECT_FALSE(box->flashing()) << "typing within the limit";
    // A point of the field right of the text.
    const gfx::Rect r = screenRectOf(*box);
    const int x = r.right - 8, y = r.top + r.height() / 2;
    const gfx::Color shown = screenAt(x, y);
    session.type("3");
    EXPECT_EQ(box->text(), "75");
    EXPECT_TRUE(box->flashing());
    EXPECT_EQ(screenAt(x, y), ~shown & 0xFFFFFFu) << "the field shows inverted";
    session.advance(TextBox::kFlashMs);
    EXPECT_FALSE(box->flashing());
    EXPECT_EQ(screenAt(x, y), shown);
    // A paste cut short flashes too; one that fits does not.
    Clipboard::setText("123");
    press(VK_HOME);
    press(VK_RIGHT, 1);
    press('V', 2);
    EXPECT_EQ(box->text(), "15");
    EXPECT_TRUE(box->flashing());
    session.advance(TextBox::kFlashMs);
    Clipboard::setText("4");
    press(VK_HOME, 0);
    press(VK_RIGHT, 1);
    press('V', 2);
    EXPECT_EQ(box->text(), "45");
    EXPECT_FALSE(box->flashing());
}

TEST_F(TextBoxTest, ABoxThatSelectsOnFocusIsTypedOverAfterTabAClickOrCode)
{
    other->setText("1234");
    other->setSelectsOnFocus(true);
    press(VK_TAB);
    ASSERT_EQ(GetFocus(), other->hwnd());
    EXPECT_EQ(other->selText(), "1234");
    session.type("9");
    EXPECT_EQ(other->text(), "9");

    box->setFocus();
    session.settle();
    clickAt(*other, 5, 10);
    EXPECT_EQ(other->selText(), "9") << "the click that gives the focus keeps the text selected";
    session.advance(600);
    clickAt(*other, 5, 10);
    EXPECT_EQ(other->selLength(), 0) << "a click in the box that has the focus places the caret";

    box->setFocus();
    other->setFocus();
    session.settle();
    EXPECT_EQ(other->selText(), "9");
    // A box that does not ask for it keeps its caret where it was.
    box->setText("ab");
    box->setFocus();
    session.settle();
    EXPECT_EQ(box->selLength(), 0);
}

TEST_F(TextBoxTest, ALockedBoxReportsKeysButKeepsItsText)
{
    // A key-catching box: the key goes to KeyDown and never into the text.
    record(*box);
    box->setText("F1 键");
    events.clear();
    box->setLocked(true);
    session.keyDown(VK_F6);
    session.keyUp(VK_F6);
    session.keyDown('Q');
    session.type("q");
    session.keyUp('Q');
    session.key(VK_BACK);
    press(VK_HOME, 1);
    press('X', 2);
    EXPECT_EQ(box->text(), "F1 键");
    EXPECT_EQ(events[0], "KeyDown 117 0");
    EXPECT_EQ(std::count_if(events.begin(), events.end(), [](const std::string& e) { return e.rfind("Change", 0) == 0; }), 0);
    // The caret and the selection still move, and copying works.
    EXPECT_EQ(box->selLength(), 0); // Shift+Home from the start of the text
    press(VK_END, 1);
    EXPECT_EQ(box->selLength(), 4);
}

TEST_F(TextBoxTest, ChangeFollowsTextSetByCodeAndMayResetItself)
{
    // Two-digit boxes that put "00" back over anything above 59.
    int changes = 0;
    box->onChange = [&] {
        ++changes;
        if (std::atoi(box->text().c_str()) > 59 || box->text().empty()) {
            box->setText("00");
            box->setFocus();
        }
    };
    box->setMaxLength(2);
    box->setText("12");
    EXPECT_EQ(changes, 1);
    box->setText("12"); // the same text: no Change
    EXPECT_EQ(changes, 1);
    press(VK_END);
    session.key(VK_BACK);
    session.key(VK_BACK); // empty: back to "00"
    EXPECT_EQ(box->text(), "00");
    box->setSelStart(0);
    box->setSelLength(2);
    session.type("7");
    session.type("5");
    EXPECT_EQ(box->text(), "00");
    box->setSelStart(0);
    box->setSelLength(2);
    session.type("59");
    EXPECT_EQ(box->text(), "59");
    box->setSelStart(1);
    box->setSelLength(1);
    box->setSelText("");
    EXPECT_EQ(box->text(), "5");
}

TEST_F(TextBoxTest, FocusEventsAndTheBlinkingCaret)
{
    record(*box);
    record(*other);
    other->setFocus();
    session.settle();
    EXPECT_EQ(events, (std::vector<std::string>{"LostFocus", "GotFocus"}));
    EXPECT_TRUE(other->editField().caretShown());
    EXPECT_FALSE(box->editField().caretShown());
    session.advance(EditField::kCaretBlinkMs);
    EXPECT_FALSE(other->editField().caretShown());
    session.advance(EditField::kCaretBlinkMs);
    EXPECT_TRUE(other->editField().caretShown());
    // Typing shows it at once.
    session.advance(EditField::kCaretBlinkMs);
    session.type("x");
    EXPECT_TRUE(other->editField().caretShown());
    // Tab moves the focus on.
    events.clear();
    press(VK_TAB);
    EXPECT_EQ(GetFocus(), box->hwnd());
    EXPECT_EQ(other->text(), "x");
    // A click gives the focus and puts the caret at the point.
    clickAt(*other, 100, 10);
    EXPECT_EQ(GetFocus(), other->hwnd());
}

TEST_F(TextBoxTest, MultiLineBoxesBreakLinesScrollAndMoveBetweenLines)
{
    auto& memo = place<TextBox>("memo", gfx::Rect::fromSize(260, 20, 200, 80));
    memo.setMultiLine(true);
    memo.setScrollBars(2);
    memo.setText("");
    memo.setFocus();
    session.type("first");
    session.key(VK_RETURN);
    session.type("second");
    EXPECT_EQ(memo.text(), "first\r\nsecond");
    const EditField& f = memo.editField();
    EXPECT_EQ(f.lineCount(), 2);
    press(VK_UP);
    EXPECT_EQ(memo.selStart(), 5); // the end of "first": the goal column is past it
    press(VK_DOWN);
    EXPECT_EQ(memo.selStart(), 13);
    press(VK_HOME);
    EXPECT_EQ(memo.selStart(), 7);
    session.key(VK_BACK); // joins the lines: the CR LF goes as one
    EXPECT_EQ(memo.text(), "firstsecond");
    for (int i = 0; i < 10; ++i) {
        session.key(VK_RETURN);
        session.type("line " + std::to_string(i));
    }
    EXPECT_EQ(f.lineCount(), 11);
    int visible = f.visibleLines();
    EXPECT_LT(visible, 11);
    EXPECT_EQ(f.firstVisibleLine(), 11 - visible); // the caret's line is in view
    press(VK_HOME, 2);
    EXPECT_EQ(f.firstVisibleLine(), 0);
    // The wheel scrolls; the scroll bar's lower arrow scrolls one line per click.
    gfx::Point middle = on(memo, 80, 40);
    session.wheel(middle.x, middle.y, -120);
    EXPECT_EQ(f.firstVisibleLine(), std::min(3, 11 - visible));
    session.wheel(middle.x, middle.y, 240);
    EXPECT_EQ(f.firstVisibleLine(), 0);
    gfx::Rect bar = f.verticalBar().rect();
    clickAt(memo, bar.left + 8, bar.bottom - 8);
    EXPECT_EQ(f.firstVisibleLine(), 1);
    // Holding it repeats.
    gfx::Point arrow = on(memo, bar.left + 8, bar.bottom - 8);
    session.mouseDown(arrow.x, arrow.y);
    session.advance(InsetScrollBar::kFirstRepeatMs + InsetScrollBar::kRepeatMs);
    session.mouseUp(arrow.x, arrow.y);
    EXPECT_EQ(f.firstVisibleLine(), std::min(4, 11 - visible));
    // Long lines wrap at the width when there is no horizontal bar.
    memo.setText(std::string(60, 'w'));
    EXPECT_GT(f.lineCount(), 1);
    memo.setText("wrap at the blanks between the words please, and keep every word whole");
    ASSERT_GT(f.lineCount(), 1);
    for (int i = 0; i + 1 < f.lineCount(); ++i) {
        auto [start, end] = f.lineRange(i);
        EXPECT_EQ(f.chars()[size_t(end - 1)], U' ') << "line " << i;
        EXPECT_EQ(f.lineRange(i + 1).first, end);
    }
    // Chinese text breaks between any two characters.
    memo.setText("篮球比赛计分系统篮球比赛计分系统篮球比赛计分系统");
    EXPECT_GT(f.lineCount(), 1);
    EXPECT_EQ(f.lineRange(1).first, f.lineRange(0).second);
}

TEST_F(TextBoxTest, DrawnAsAWhiteSunkenFieldWithABlueSelection)
{
    box->setText("selected");
    box->setFocus();
    box->setSelStart(0);
    box->setSelLength(8);
    gfx::Rect r = screenRectOf(*box);
    using gfx::systemColor;
    EXPECT_EQ(screenAt(r.left, r.top), systemColor(gfx::ColorBtnShadow));
    EXPECT_EQ(screenAt(r.left + 1, r.top + 1), systemColor(gfx::Color3DDkShadow));
    EXPECT_EQ(screenAt(r.right - 1, r.bottom - 1), systemColor(gfx::ColorBtnHighlight));
    EXPECT_EQ(screenAt(r.right - 5, r.top + 10), 0xFFFFFFu);
    EXPECT_GT(count(systemColor(gfx::ColorHighlight), r), 100);
    // Without the focus the selection is hidden.
    other->setFocus();
    EXPECT_EQ(count(systemColor(gfx::ColorHighlight), r), 0);
    // Right alignment puts the text at the right edge; disabled text is grey.
    box->setAlignment(1);
    box->setEnabled(false);
    gfx::Rect rightHalf{r.left + r.width() / 2, r.top + 2, r.right - 2, r.bottom - 2};
    gfx::Rect leftHalf{r.left + 2, r.top + 2, r.left + r.width() / 2, r.bottom - 2};
    EXPECT_GT(count(systemColor(gfx::ColorGrayText), rightHalf), 5);
    EXPECT_EQ(count(systemColor(gfx::ColorGrayText), leftHalf), 0);
}

TEST_F(TextBoxTest, StoredPropertiesRoundTrip)
{
    box->setText("12");
    box->setMaxLength(2);
    box->setAlignment(2);
    box->setLocked(true);
    box->setForeColor(0x00FF00);
    PropertyBag bag;
    box->writeProperties(bag);
    EXPECT_EQ(bag.readProperty("maxlength", 0), 2);
    EXPECT_FALSE(bag.contains("MultiLine"));
    auto& copy = place<TextBox>("copy", gfx::Rect::fromSize(20, 100, 100, 22));
    int changes = 0;
    copy.onChange = [&] { ++changes; };
    copy.readProperties(bag);
    EXPECT_EQ(changes, 0); // loading raises no Change
    EXPECT_EQ(copy.text(), "12");
    EXPECT_EQ(copy.maxLength(), 2);
    EXPECT_EQ(copy.alignment(), 2);
    EXPECT_TRUE(copy.locked());
    EXPECT_EQ(copy.foreColor(), 0x00FF00u);
}

} // namespace plat::forms::testing
