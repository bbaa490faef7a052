#include "launcher/module1.h"

#include "platform/system/display_modes_service.h"

namespace launcher {

void SetDisplayMode(int16_t width, int16_t height)
{
    (void)plat::sys::displayModes().changeMode({ width, height });
}

} // namespace launcher
