#include "controls/core/qel_command.h"

namespace qel {

void qelCommand::initProperties() { InitFrom(*this, StoredProperties()); }

void qelCommand::readProperties(plat::forms::PropertyBag& bag) { ReadFrom(*this, StoredProperties(), bag); }

void qelCommand::writeProperties(plat::forms::PropertyBag& bag) const { StoredProperties().write(*this, bag); }

} // namespace qel
