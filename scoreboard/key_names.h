#pragma once
#include <cstdint>
#include <string>

namespace scoreboard {

// The name the scoreboard gives a virtual-key code in its hints and tooltips ("1 键", "F1 键",
// "ESC 键"); the empty text for a code without a name. The shortcut-key dialog shows the same
// names.
std::string ballkey(int16_t keyCode);

} // namespace scoreboard
