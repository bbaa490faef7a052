#include "controls/pages/prop_toggle_button.h"
#include "controls/pages/push_button_design.h"

namespace qel {

PageSpec propToggleButton::Design() { return PushButtonDesign("propToggleButton", "qelToggleButton", true); }

propToggleButton::propToggleButton() : PropertyPage(Design()) {}

} // namespace qel
