#pragma once

namespace scoreboard {

// Makes every control class the program's stored forms place known to the layout loader.
void registerProgramControls();

} // namespace scoreboard
