#pragma once

namespace plat::forms {
class Control;
}

namespace scoreboard {

// The tick of `Timer6` (every 50 ms): the start button `ok` takes the focus back, so that Enter
// and Space reach it. It never takes the focus from an open dialog or message box, nor from
// another window of the program that is active.
void keepStartButtonFocus(plat::forms::Control& ok);

inline constexpr int kFocusKeeperMs = 50;

} // namespace scoreboard
