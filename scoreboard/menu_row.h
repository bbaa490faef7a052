#pragma once
#include "scoreboard/setup_dialogs.h"

#include <cstdint>
#include <functional>

namespace plat::forms {
class Form;
}

namespace scoreboard {

// What the menu's items do besides the signal sounds.
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
    static constexpr uint32_t kLitForeColor = 0xFF; // when `timetxt` cannot tell
    static constexpr double kMarkMargin = 30;

private:
    plat::forms::Form& m_main;
    MenuRowHooks m_hooks;
};

} // namespace scoreboard
