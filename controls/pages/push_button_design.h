#pragma once
#include "controls/pages/page_spec.h"

namespace qel {

// The rows the pages of qelCommand and qelToggleButton share (the toggle button's page adds
// Value), with their load and apply orders.
PageSpec PushButtonDesign(const std::string& name, const std::string& pageClass, bool withValue);

} // namespace qel
