#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace plat::forms {
class Control;
class Form;
}

namespace scoreboard {

// Small operations on the named controls of a form, whatever class each one turned out to be.
// A control the form does not have is skipped, as a failing statement of the board would be.

// The control, or nullptr when the form is not loaded or has none of that name (and index).
plat::forms::Control* findPart(const plat::forms::Form& form, std::string_view name, int index = -1);

// Shown, and in front of its siblings when asked.
void showPart(const plat::forms::Form& form, std::string_view name, bool front = false);
void hidePart(const plat::forms::Form& form, std::string_view name);
bool partVisible(const plat::forms::Form& form, std::string_view name);

// The caption of a label, a custom-drawn label or a push button; empty for anything else.
std::string captionOf(const plat::forms::Control* control);
void setCaptionOf(plat::forms::Control* control, std::string_view caption);
// The text colour of the same kinds; `fallback` for anything else.
uint32_t foreColorOf(const plat::forms::Control* control, uint32_t fallback);

// Switches a timer control of the form on or off.
void setTimerOn(const plat::forms::Form& form, std::string_view name, bool on);

// Connects the mouse events of an intrinsic label or a custom-drawn control.
void onMouseMoveOf(plat::forms::Control* control, std::function<void()> handler);
void onDoubleClickOf(plat::forms::Control* control, std::function<void()> handler);

// Every item of a control array, in index order, with its index.
void forEachItem(const plat::forms::Form& form, std::string_view name, const std::function<void(plat::forms::Control&, int)>& fn);

} // namespace scoreboard
