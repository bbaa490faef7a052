#pragma once
#include "platform/forms/control_registry.h"

namespace qel {

// Makes qelTextBox, qelHScroll and qelVScroll known to the forms runtime, so stored layouts can
// place them. The embedded bars are parts of their hosts and are not placed by layouts.
void registerTextControls(plat::forms::ControlRegistry& registry = plat::forms::ControlRegistry::global());

} // namespace qel
