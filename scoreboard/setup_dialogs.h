#pragma once

namespace scoreboard {

// The modal setup dialogs that the menu and the double-clicks on the displays open.
enum class SetupDialog {
    TitleAndReferees, // m1
    Clock,            // m2
    Teams,            // m3
    Score,            // m4
    Period,           // m5
    ShortcutKeys,     // m6
};

} // namespace scoreboard
