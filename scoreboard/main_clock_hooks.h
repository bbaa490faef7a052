#pragma once
#include "scoreboard/main_clock_board.h"

#include <functional>

namespace scoreboard {

class MainForm;

// What the match clock asks of the rest of `main`: the display routines of module user, the
// notice box, the music player's state, and the commands of other controls run as their own
// events run them (items 1 and 3 of the command bar `on1`, the music button `a1` 2 that pauses,
// `MP3mode` that leaves live mode). A control whose event is not connected yet does nothing.
MainClockBoard::Hooks mainFormClockHooks(MainForm& form, std::function<void(bool)> setMatchBlinkPhase);

} // namespace scoreboard
