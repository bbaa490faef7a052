#pragma once
#include "controls/core/drawn_control.h"
#include <string>
#include <utility>
#include <vector>

namespace qel::testing {

// The events a test cares for, in the order they were raised ("MouseDown 1", "Click",
// "Change 1", "KeyDown 38"); mouse moves, hover and leave are left out unless asked for.
struct EventLog {
    std::vector<std::string> entries;

    void add(std::string entry) { entries.push_back(std::move(entry)); }
    // The entries so far, and a fresh start.
    std::vector<std::string> take() { return std::exchange(entries, {}); }

    void watchMouseButtons(DrawnControl& c)
    {
        auto button = [this](const char* name) {
            return [this, name](int& Button, int&, int&, int&, int&) { add(std::string(name) + " " + std::to_string(Button)); };
        };
        c.MouseDown = button("MouseDown");
        c.MouseUp = button("MouseUp");
        c.MouseDblClick = button("MouseDblClick");
    }
    void watchKeys(DrawnControl& c)
    {
        c.KeyDown = [this](int& KeyCode, int&) { add("KeyDown " + std::to_string(KeyCode)); };
        c.KeyUp = [this](int& KeyCode, int&) { add("KeyUp " + std::to_string(KeyCode)); };
        c.KeyPress = [this](int& KeyAscii) { add("KeyPress " + std::to_string(KeyAscii)); };
    }
    void watchHover(DrawnControl& c)
    {
        c.MouseHover = [this] { add("MouseHover"); };
        c.MouseLeave = [this] { add("MouseLeave"); };
    }
    // Click and Change(Value) of the controls that have them.
    template<class C>
    void watchClick(C& c)
    {
        c.Click = [this] { add("Click"); };
    }
    template<class C>
    void watchChange(C& c)
    {
        c.Change = [this](int& Value) { add("Change " + std::to_string(Value)); };
    }
};

using Log = std::vector<std::string>;

} // namespace qel::testing
