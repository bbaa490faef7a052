#pragma once
#include "controls/text/qel_text_box.h"
#include "text_fixture.h"

namespace qel::testing {

// Logs a text box's events: "Change", "Click", "KeyDown 65", "KeyPress 97", "KeyUp 65",
// "MouseDown 1", "LegendMouseDown 1 0 0 150 60", "VScrolled 5", "HScrolled 3".
inline void watch(qelTextBox& box, EventLog& log)
{
    box.Change = [&log] { log.add("Change"); };
    box.Click = [&log] { log.add("Click"); };
    box.DblClick = [&log] { log.add("DblClick"); };
    box.KeyDown = [&log](int& KeyCode, int&) { log.add("KeyDown " + std::to_string(KeyCode)); };
    box.KeyPress = [&log](int& KeyAscii) { log.add("KeyPress " + std::to_string(KeyAscii)); };
    box.KeyUp = [&log](int& KeyCode, int&) { log.add("KeyUp " + std::to_string(KeyCode)); };
    box.MouseDown = [&log](int& Button, int&, float&, float&) { log.add("MouseDown " + std::to_string(Button)); };
    box.MouseUp = [&log](int& Button, int&, float&, float&) { log.add("MouseUp " + std::to_string(Button)); };
    auto legend = [&log](const char* name) {
        return [&log, name](int& Button, int& Shift, int& Control, int& x, int& y) {
            log.add(std::string(name) + " " + std::to_string(Button) + " " + std::to_string(Shift) + " " + std::to_string(Control) + " "
                + std::to_string(x) + " " + std::to_string(y));
        };
    };
    box.LegendMouseDown = legend("LegendMouseDown");
    box.LegendMouseUp = legend("LegendMouseUp");
    box.LegendMouseDblClick = legend("LegendMouseDblClick");
    box.LegendMouseHover = [&log] { log.add("LegendMouseHover"); };
    box.LegendMouseLeave = [&log] { log.add("LegendMouseLeave"); };
    box.LegendMouseWheel = [&log](int& Sens) { log.add("LegendMouseWheel " + std::to_string(Sens)); };
    box.LegendKeyDown = [&log](int& KeyCode, int&) { log.add("LegendKeyDown " + std::to_string(KeyCode)); };
    box.VScrolled = [&log](Fixed& Value) { log.add("VScrolled " + text(Value)); };
    box.HScrolled = [&log](Fixed& Value) { log.add("HScrolled " + text(Value)); };
}

// The operator's way into a box before typing: a click on the text of the element in use, then
// End to put the caret after the text.
inline void clickIntoText(plat::backend::HeadlessSession& session, qelTextBox& box)
{
    EditElement& shown = box.Text1(box.ActiveElement());
    const plat::gfx::Rect area = shown.TextArea().offset(plat::win::GetScreenRect(shown.hwnd()).left, plat::win::GetScreenRect(shown.hwnd()).top);
    const int x = (area.left + area.right) / 2, y = area.top + 6;
    session.mouseMove(x, y);
    session.click(x, y);
    session.key(plat::win::VK_END);
    session.settle();
}

// A stored layout's properties for a text box.
struct BoxProps {
    PropertyBag bag;
    BoxProps& set(const char* key, bool v)
    {
        bag.writeProperty(key, v, !v);
        return *this;
    }
    BoxProps& set(const char* key, int32_t v)
    {
        bag.writeProperty(key, v, v + 1);
        return *this;
    }
    BoxProps& set(const char* key, const std::string& v)
    {
        bag.writeProperty(key, v, v + "~");
        return *this;
    }
};

// Lines "line 1" ... "line n" joined with CR LF.
inline std::string numberedLines(int n)
{
    std::string out;
    for (int i = 1; i <= n; ++i)
        out += (i > 1 ? "\r\n" : "") + std::string("line ") + std::to_string(i);
    return out;
}

} // namespace qel::testing
