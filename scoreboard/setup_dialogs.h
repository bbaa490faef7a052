#pragma once
#include <functional>

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

// The dialogs are forms of a library above the board's own: the program hands the board their
// opener at start-up.
void setSetupDialogOpener(std::function<void(SetupDialog)> opener);
// Opens one modally and returns once it is closed; nothing happens while no opener is set.
void openSetupDialog(SetupDialog dialog);

} // namespace scoreboard
