#pragma once
#include "controls/core/property_table.h"
#include <cstdint>

namespace qel {

// The first properties of a new bar and their defaults, in the order a bar writes them:
// ArrowColor, BackColor, BorderColor, Enabled, EnableWheel, FrontColor. A bar's settings record
// (qelPrivateScroll) starts from the same values, so both take them from here.
template<class Bar>
auto FirstBarProperties()
{
    using P = PropertiesOf<Bar>;
    return propertyTable(P::property("ArrowColor", &Bar::ArrowColor, &Bar::setArrowColor, uint32_t(0xFFFFFF)),
        P::property("BackColor", &Bar::BackColor, &Bar::setBackColor, uint32_t(0xFFFFFF)),
        P::property("BorderColor", &Bar::BorderColor, &Bar::setBorderColor, uint32_t(0xFF8080)),
        P::property("Enabled", &Bar::Enabled, &Bar::setEnabled, true).pages(),
        P::property("EnableWheel", &Bar::EnableWheel, &Bar::setEnableWheel, true).pages(),
        P::property("FrontColor", &Bar::FrontColor, &Bar::setFrontColor, uint32_t(0xF0D0BF)));
}

} // namespace qel
