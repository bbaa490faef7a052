#include "launcher/screen_fit.h"

#include "platform/system/display_modes_service.h"
#include "platform/window/window_system.h"

namespace launcher {

void fitScreenToDisplay()
{
    plat::win::WindowSystem* windows = plat::win::WindowSystem::current();
    const plat::sys::DisplaySize display = plat::sys::displayModes().screenSize();
    if (!windows || display.width <= 0 || display.height <= 0)
        return;
    const plat::gfx::Size size { display.width, display.height };
    if (windows->screenSize() != size)
        windows->setScreenSize(size);
}

} // namespace launcher
