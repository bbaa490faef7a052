#include "scoreboard/control_set.h"
#include "controls/core/register_core_controls.h"
#include "controls/text/register_text_controls.h"
#include "platform/forms/standard_controls.h"
#include "platform/media/media_controls.h"

namespace scoreboard {

void registerProgramControls()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    plat::forms::registerStandardControls();
    plat::media::registerMediaControls();
    qel::registerCoreControls();
    qel::registerTextControls();
}

} // namespace scoreboard
