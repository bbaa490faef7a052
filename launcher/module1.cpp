#include "launcher/module1.h"

#include "platform/system/display_modes_service.h"

namespace launcher {

bool SetDisplayMode(int16_t width, int16_t height)
{
    return plat::sys::displayModes().changeMode({ width, height });
}

} // namespace launcher
