// The system's own text box and the control set's text box edit alike: the same keys from the
// same text give the same text, caret and selection in both.
#include "platform/forms/clipboard.h"
#include "platform/forms/text_box.h"
#include "platform/window/twips.h"
#include "text_box_helpers.h"
#include <cctype>
#include <sstream>

namespace qel::testing {
namespace {

using namespace plat::win;

// What a box shows after the keys: its text, and its selection as start and length.
struct Edited {
    std::string text;
    int selStart = 0;
    int selLength = 0;
    bool operator==(const Edited&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Edited& e) { return os << '"' << e.text << "\" " << e.selStart << '+' << e.selLength; }

class EditKeysTest : public TextControlsTest {
protected:
    void TearDown() override { plat::forms::Clipboard::clear(); }

    // Keys as a script: words name keys (Home, End, Left, Right, Up, Down, Back, Del, Enter),
    // "^" before one holds Ctrl and "+" holds Shift; a single character is typed as it is.
    void press(const std::string& script)
    {
        std::istringstream words(script);
        std::string word;
        while (words >> word) {
            int held = 0;
            for (; word.size() > 1 && (word[0] == '^' || word[0] == '+'); word.erase(0, 1))
                held |= word[0] == '^' ? VK_CONTROL : 0x100;
            const bool ctrl = held & VK_CONTROL, shift = held & 0x100;
            if (ctrl)
                session.keyDown(VK_CONTROL);
            if (shift)
                session.keyDown(VK_SHIFT);
            if (word.size() == 1 && !ctrl)
                session.type(word);
            else
                session.key(keyNamed(word));
            if (shift)
                session.keyUp(VK_SHIFT);
            if (ctrl)
                session.keyUp(VK_CONTROL);
        }
        session.settle();
    }

    static int keyNamed(const std::string& name)
    {
        const std::pair<const char*, int> keys[] = {{"Home", VK_HOME}, {"End", VK_END}, {"Left", VK_LEFT}, {"Right", VK_RIGHT},
            {"Up", VK_UP}, {"Down", VK_DOWN}, {"Back", VK_BACK}, {"Del", VK_DELETE}, {"Enter", VK_RETURN}};
        for (const auto& [n, vk] : keys)
            if (name == n)
                return vk;
        return name.size() == 1 ? std::toupper(static_cast<unsigned char>(name[0])) : 0;
    }

    void clickAt(HWND hwnd, int x, int y)
    {
        const plat::gfx::Rect r = GetScreenRect(hwnd);
        session.mouseMove(r.left + x, r.top + y);
        session.click(r.left + x, r.top + y);
    }

    // Each box gets the text from code, is clicked into and taken to the start with Ctrl+Home.
    Edited inFormsBox(bool multiLine, const std::string& text, const std::string& keys)
    {
        auto& box = form.add<plat::forms::TextBox>("plain" + std::to_string(++m_boxes));
        box.move(twipsFromPixels(20), twipsFromPixels(200), twipsFromPixels(300), twipsFromPixels(100));
        box.setMultiLine(multiLine);
        box.setText(text);
        session.settle();
        clickAt(box.hwnd(), 10, 6);
        press("^Home " + keys);
        Edited edited{box.text(), box.selStart(), box.selLength()};
        box.setVisible(false); // out of the next one's way
        return edited;
    }

    Edited inControlSetBox(bool multiLine, const std::string& text, const std::string& keys)
    {
        qelTextBox& box = place<qelTextBox>("own" + std::to_string(++m_boxes), 20, 20, 300, 100, BoxProps().set("MultiLine", multiLine).bag);
        box.setText(text);
        session.settle();
        clickIntoText(session, box);
        press("^Home " + keys);
        const EditElement& shown = box.Text1(box.ActiveElement());
        Edited edited{box.Text(), shown.selStart(), shown.selLength()};
        box.setVisible(false);
        return edited;
    }

private:
    int m_boxes = 0;
};

struct Case {
    bool multiLine;
    std::string text, keys;
    Edited expected;
};

TEST_F(EditKeysTest, TheSameKeysEditBothBoxesAlike)
{
    const Case cases[] = {
        {false, "abc def", "End Back", {"abc de", 6, 0}},
        {false, "abc def", "^Right +End", {"abc def", 4, 3}},
        {false, "abc def", "End ^Left +^Left", {"abc def", 0, 4}},
        {false, "abc def", "^A x", {"x", 1, 0}},
        {false, "abc", "Right +Right Del", {"ac", 1, 0}},
        {false, "", "a b ^Z", {"", 0, 0}},                  // a run of typing is one undo step
        {false, "abc", "+End ^X z ^V", {"zabc", 4, 0}},
        {false, "abc", "+End ^C End ^V Left +Home", {"abcabc", 0, 5}},
        {false, "one", "End Enter", {"one", 3, 0}},          // one line takes no line break
        {true, "abc\r\nabc", "Down End +Up", {"abc\r\nabc", 3, 5}}, // Up keeps the column
        {true, "one\r\ntwo", "^End x Enter y", {"one\r\ntwox\r\ny", 12, 0}},
        {true, "ab\r\ncd", "Down Back", {"abcd", 2, 0}},    // a line break goes whole
        {true, "ab\r\ncd", "End Right +Right", {"ab\r\ncd", 4, 1}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(inFormsBox(c.multiLine, c.text, c.keys), c.expected) << "the system's box: " << c.keys;
        EXPECT_EQ(inControlSetBox(c.multiLine, c.text, c.keys), c.expected) << "the control set's box: " << c.keys;
    }
}

} // namespace
} // namespace qel::testing
