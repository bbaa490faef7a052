#pragma once
#include "platform/forms/control_registry.h"

namespace qel {

// Makes qelCommand, qelLabel, qelToggleButton, qelFrame, qelCheck and qelOptionButton known to
// the forms runtime, so stored layouts can place them.
void registerCoreControls(plat::forms::ControlRegistry& registry = plat::forms::ControlRegistry::global());

} // namespace qel
