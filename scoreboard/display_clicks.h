#pragma once
#include "scoreboard/setup_dialogs.h"

#include <functional>
#include <string>

namespace scoreboard {

struct BoardControls;

// A double-click on a display of `main` opens the setup dialog for what was clicked: the title
// `m1`, the clock (large or small) `m2`, a team name `m3`, a score `m4`, the period (large or
// small) `m5`.
void connectDisplayDoubleClicks(const BoardControls& main, std::function<void(SetupDialog)> openDialog);

// The hover texts of the start button (its caption and the start key's name), of the clock
// ("比赛时间:" and the time) and of the team names (the name).
void connectHoverTexts(const BoardControls& main, std::function<std::string(int keyCode)> keyName);

} // namespace scoreboard
