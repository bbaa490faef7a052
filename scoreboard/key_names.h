#pragma once
#include <cstdint>
#include <string>

namespace scoreboard {

// The name the scoreboard gives a virtual-key code in its hints and tooltips ("1 键", "F1 键",
// "回车键"), and the shortcut-key dialog in its boxes: a key the table does not name shows as
// "键码 " and its code; 0 (no key) and codes that are no key show as the empty text.
std::string ballkey(int16_t keyCode);

} // namespace scoreboard
