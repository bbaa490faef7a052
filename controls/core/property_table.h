#pragma once
// The controls' tables of stored properties are the platform's own (the standard controls of
// platform/forms declare theirs the same way), reached here under the controls' namespace.
#include "platform/forms/property_table.h"

namespace qel {

using plat::forms::ambientFont;
using plat::forms::ambientTypeface;
using plat::forms::join;
using plat::forms::KeepsItsValue;
using plat::forms::keepsItsValue;
using plat::forms::PropertiesOf;
using plat::forms::PropertyTable;
using plat::forms::propertyTable;
using plat::forms::StoredProperty;

} // namespace qel
