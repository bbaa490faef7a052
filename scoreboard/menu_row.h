#pragma once
#include "scoreboard/setup_dialogs.h"

#include "platform/forms/control_array.h"

#include <cstdint>
#include <functional>

namespace plat::forms {
class Form;
class Label;
class Shape;
}

namespace scoreboard {

// The controls of `main` the menu row lights, bound once when it is made.
struct MenuRowControls {
    plat::forms::Label& timetxt; // its text colour lights the item under the mouse
    plat::forms::ControlArray<plat::forms::Label> lab; // by MenuRow::Item
    plat::forms::Shape& Sh1;
};

// Binds them on a loaded form: one it lacks, or of another class, throws ControlLookupError
// naming the form and the control.
MenuRowControls bindMenuRowControls(const plat::forms::Form& form);

// What the menu's items do besides the signal sounds; both required (a menu row made without one
// throws MissingHookError naming it).
struct MenuRowHooks {
    std::function<void(SetupDialog)> openDialog; // modal
    std::function<void()> confirmReset;          // ConfirmReset of the match clock
};

// The menu row `lab` of `main`: ten labels that open the six setup dialogs, reset the match and
// play the three signal sounds. It acts when the button goes down; the label under the mouse is
// lit, and `Sh1` marks it while the button is held.
class MenuRow {
public:
    enum Item { Title = 0, ClockTime, Teams, Scores, Period, Keys, Reset, AttackSignal, DefenceSignal, CourtSignal, kItems };

    MenuRow(plat::forms::Form& main, MenuRowHooks hooks);

    // Connects MouseDown, MouseMove and MouseUp of every `lab` item.
    void connect();

    void mouseDown(int index);
    void mouseMove(int index);
    void mouseUp();

    static constexpr uint32_t kLitBackColor = 0xC0C0;
    static constexpr uint32_t kForeColor = 0xD3DEF3;
    static constexpr double kMarkMargin = 30;

private:
    MenuRowControls m_controls;
    MenuRowHooks m_hooks;
};

} // namespace scoreboard
