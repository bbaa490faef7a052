#include "controls/core/qel_toggle_button.h"

namespace qel {

void qelToggleButton::initProperties()
{
    InitFrom(*this, StoredProperties());
    PaintHandler();
}

void qelToggleButton::readProperties(plat::forms::PropertyBag& bag) { ReadFrom(*this, StoredProperties(), bag); }

void qelToggleButton::writeProperties(plat::forms::PropertyBag& bag) const { StoredProperties().write(*this, bag); }

} // namespace qel
