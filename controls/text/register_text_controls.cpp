#include "controls/text/register_text_controls.h"
#include "controls/text/qel_h_scroll.h"
#include "controls/text/qel_text_box.h"
#include "controls/text/qel_v_scroll.h"

namespace qel {

void registerTextControls(plat::forms::ControlRegistry& registry)
{
    registry.add<qelTextBox>("qelTextBox");
    registry.add<qelHScroll>("qelHScroll");
    registry.add<qelVScroll>("qelVScroll");
}

} // namespace qel
