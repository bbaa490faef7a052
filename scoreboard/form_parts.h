#pragma once
#include <functional>
#include <string_view>

namespace plat::forms {
class Control;
class Form;
}

namespace scoreboard {

// Small operations on the controls of a form, whatever class each one turned out to be.

// The control of that name (and index) while the form is loaded, nullptr while it is not: for
// work posted to run later, when the form may have been unloaded. A loaded form without the
// control throws ControlLookupError naming the form and the control.
plat::forms::Control* findPart(const plat::forms::Form& form, std::string_view name, int index = -1);

// Shown, and in front of its siblings when asked.
void showPart(plat::forms::Control& control, bool front = false);

// Connects the mouse events of an intrinsic label or a custom-drawn control.
void onMouseMoveOf(plat::forms::Control* control, std::function<void()> handler);
void onDoubleClickOf(plat::forms::Control* control, std::function<void()> handler);

} // namespace scoreboard
