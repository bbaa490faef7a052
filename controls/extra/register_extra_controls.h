#pragma once
#include "platform/forms/control_registry.h"

namespace qel {

// Makes qelTimer, qelMouseKeyEvents, qelBar, qelUpDown, qelListBox and qelSysTray known to the
// forms runtime, so stored layouts can place them.
void registerExtraControls(plat::forms::ControlRegistry& registry = plat::forms::ControlRegistry::global());

} // namespace qel
