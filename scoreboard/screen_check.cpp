#include "scoreboard/screen_check.h"

namespace scoreboard {

ScreenFit fitScreen(plat::sys::DisplaySize screen)
{
    if (screen.width < 1024 || screen.height < 768)
        return ScreenFit::TooSmall;
    if (screen.width > 1024 || screen.height > 768)
        return ScreenFit::Larger;
    return ScreenFit::Exact;
}

} // namespace scoreboard
