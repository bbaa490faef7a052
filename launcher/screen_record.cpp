#include "launcher/screen_record.h"
#include "launcher/launcher_files.h"

#include <algorithm>

namespace launcher {

namespace sys = plat::sys;

bool recordsScreenSize(sys::DisplaySize screen, const std::optional<sys::DisplaySize>& recorded, const sys::DisplayModes& display,
    bool switchUnrestored)
{
    const sys::DisplaySize switched { kScreenWidth, kScreenHeight };
    if (!switchUnrestored || screen != switched || !recorded || *recorded == switched)
        return true;
    if (recorded->width < kScreenWidth || recorded->height < kScreenHeight)
        return true;
    const std::vector<sys::DisplaySize> offered = display.modes();
    return std::find(offered.begin(), offered.end(), *recorded) == offered.end();
}

} // namespace launcher
