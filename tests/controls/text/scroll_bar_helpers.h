#pragma once
#include "controls/text/scroll_bar_base.h"
#include "text_fixture.h"

namespace qel::testing {

// Logs a bar's events: "Change 50", "Scroll", "MouseWheel 1", "MouseDown 1", "KeyDown 35",
// and, when asked, "MouseMove 1", "MouseHover", "MouseLeave".
inline void watch(ScrollBarBase& bar, EventLog& log, bool moves = false)
{
    bar.Change = [&log](Fixed& Value) { log.add("Change " + text(Value)); };
    bar.Scroll = [&log] { log.add("Scroll"); };
    bar.MouseWheel = [&log](int& Sens) { log.add("MouseWheel " + std::to_string(Sens)); };
    auto button = [&log](const char* name) {
        return [&log, name](int& Button, int&, int&, int&, int&) { log.add(std::string(name) + " " + std::to_string(Button)); };
    };
    bar.MouseDown = button("MouseDown");
    bar.MouseUp = button("MouseUp");
    bar.MouseDblClick = button("MouseDblClick");
    bar.KeyDown = [&log](int& KeyCode, int&) { log.add("KeyDown " + std::to_string(KeyCode)); };
    bar.KeyUp = [&log](int& KeyCode, int&) { log.add("KeyUp " + std::to_string(KeyCode)); };
    bar.KeyPress = [&log](int& KeyAscii) { log.add("KeyPress " + std::to_string(KeyAscii)); };
    if (moves) {
        bar.MouseMove = button("MouseMove");
        bar.MouseHover = [&log] { log.add("MouseHover"); };
        bar.MouseLeave = [&log] { log.add("MouseLeave"); };
    }
}

} // namespace qel::testing
