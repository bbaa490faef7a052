#include "controls/pages/prop_command.h"
#include "controls/pages/push_button_design.h"

namespace qel {

PageSpec propCommand::Design() { return PushButtonDesign("propCommand", "qelCommand", false); }

propCommand::propCommand() : PropertyPage(Design()) {}

} // namespace qel
