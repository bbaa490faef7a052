#pragma once
#include <cstdint>
#include <optional>
#include <string_view>

namespace plat::forms {
class TextBox;
}

namespace dialogs {

// Makes a text box of a dialog a number box: the key filter below, and its whole text selected
// whenever it takes the focus (opening, Tab, a click), so typing replaces the number.
void makeNumberBox(plat::forms::TextBox& box);
// Gives a number box the focus with its whole text selected, also when it has the focus already
// (a box put back to its default while the operator types in it).
void focusWholeText(plat::forms::TextBox& box);

// The KeyPress filter of the dialogs' number boxes: the digits and the control characters
// (Backspace, the clipboard keys) pass; any other character is refused by setting its code to 0.
// Signs, points and blanks stay out, so a typed number can never be negative or a fraction.
void numericKeyFilter(int& keyAscii);

// The whole part (toward minus infinity) of the number a box's text reads as: blanks around it,
// an optional sign, digits with at most one point (and an exponent). Nothing for any other text (an emptied box,
// a lone sign, pasted words) or a number beyond 32 bits.
std::optional<int32_t> wholeNumber(std::string_view text);

} // namespace dialogs
