#include "controls/core/register_core_controls.h"
#include "controls/core/qel_check.h"
#include "controls/core/qel_command.h"
#include "controls/core/qel_frame.h"
#include "controls/core/qel_label.h"
#include "controls/core/qel_option_button.h"
#include "controls/core/qel_toggle_button.h"

namespace qel {

void registerCoreControls(plat::forms::ControlRegistry& registry)
{
    registry.add<qelCommand>("qelCommand");
    registry.add<qelLabel>("qelLabel");
    registry.add<qelToggleButton>("qelToggleButton");
    registry.add<qelFrame>("qelFrame");
    registry.add<qelCheck>("qelCheck");
    registry.add<qelOptionButton>("qelOptionButton");
}

} // namespace qel
