#include "dialogs/number_box.h"

#include "platform/forms/text_box.h"
#include "platform/system/conversions.h"

#include <limits>

namespace dialogs {

void numericKeyFilter(int& keyAscii)
{
    const bool control = keyAscii >= 0 && keyAscii < 32;
    const bool digit = keyAscii >= '0' && keyAscii <= '9';
    if (!control && !digit)
        keyAscii = 0;
}

void makeNumberBox(plat::forms::TextBox& box)
{
    box.onKeyPress = [](int& keyAscii) { numericKeyFilter(keyAscii); };
    box.setSelectsOnFocus(true);
}

void focusWholeText(plat::forms::TextBox& box)
{
    box.setFocus();
    box.selectAll();
}

std::optional<int32_t> wholeNumber(std::string_view text)
{
    if (!plat::sys::isNumeric(text))
        return std::nullopt;
    const std::optional<double> value = plat::sys::toDouble(text);
    if (!value)
        return std::nullopt;
    const double whole = plat::sys::integerPart(*value);
    if (whole < double(std::numeric_limits<int32_t>::min()) || whole > double(std::numeric_limits<int32_t>::max()))
        return std::nullopt;
    return int32_t(whole);
}

} // namespace dialogs
