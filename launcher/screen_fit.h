#pragma once

namespace launcher {

// The launcher's windows lie on the screen as the display stands now (its size changes when the
// launcher switches the mode): message boxes and Form1 are centred on it. A display that cannot
// tell its size leaves the screen as it is.
void fitScreenToDisplay();

} // namespace launcher
