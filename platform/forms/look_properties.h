#pragma once
#include "platform/forms/input_control.h"
#include "platform/forms/property_table.h"

namespace plat::forms {

// The form's font as the default of a stored Font.
inline constexpr auto formFontRule = [](const Control& control) { return formFont(control); };

// The stored "Font", "ForeColor" and "BackColor" of an input control of class C, the first
// entries of its table; a new control takes the form's font.
template<class C>
auto inputLookProperties()
{
    using P = PropertiesOf<C>;
    return propertyTable(P::property("Font", &C::font, &C::setFont, formFontRule),
        P::property("ForeColor", &C::foreColor, &C::setForeColor, 0x80000008u, keepsItsValue),
        P::property("BackColor", &C::backColor, &C::setBackColor, 0x80000005u, keepsItsValue));
}

} // namespace plat::forms
