#include "controls/core/register_core_controls.h"
#include "controls/core/qel_command.h"
#include "controls/core/qel_label.h"

namespace qel {

void registerCoreControls(plat::forms::ControlRegistry& registry)
{
    registry.add<qelCommand>("qelCommand");
    registry.add<qelLabel>("qelLabel");
}

} // namespace qel
