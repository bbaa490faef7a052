#include "controls/extra/register_extra_controls.h"
#include "controls/extra/qel_bar.h"
#include "controls/extra/qel_list_box.h"
#include "controls/extra/qel_mouse_key_events.h"
#include "controls/extra/qel_sys_tray.h"
#include "controls/extra/qel_timer.h"
#include "controls/extra/qel_up_down.h"

namespace qel {

void registerExtraControls(plat::forms::ControlRegistry& registry)
{
    registry.add<qelTimer>("qelTimer");
    registry.add<qelMouseKeyEvents>("qelMouseKeyEvents");
    registry.add<qelBar>("qelBar");
    registry.add<qelUpDown>("qelUpDown");
    registry.add<qelListBox>("qelListBox");
    registry.add<qelSysTray>("qelSysTray");
}

} // namespace qel
