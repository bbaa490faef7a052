#include "scoreboard/focus_keeper.h"

#include "platform/forms/control.h"
#include "platform/forms/form.h"
#include "platform/window/api.h"

namespace scoreboard {

void keepStartButtonFocus(plat::forms::Control& ok)
{
    plat::win::WindowSystem& windows = plat::win::sys();
    if (!ok.hwnd() || !ok.form() || windows.modalDepth() > 0)
        return;
    const plat::win::HWND active = windows.activeWindow();
    if (active && plat::win::IsWindow(active) && windows.topLevelOf(active) != ok.form()->hwnd())
        return;
    if (windows.focus() != ok.hwnd())
        ok.setFocus();
}

} // namespace scoreboard
