#pragma once
#include "platform/gfx/picture.h"
#include "platform/window/types.h"
#include <map>
#include <string>
#include <utility>

namespace plat::sys {
class NotificationArea;
}
namespace plat::win {
class WindowSystem;
}

namespace qel {

// A notification icon as the control hands it to the shell.
struct NotifyIconRecord {
    plat::win::HWND hWnd = 0;
    uint32_t uID = 0;
    uint32_t uFlags = 0;           // 7: message, icon and tip
    uint32_t uCallbackMessage = 0; // sent to hWnd with wParam = uID, lParam = the mouse message
    plat::gfx::Picture hIcon;
    std::string szTip; // at most 127 bytes in the code page, whole characters
    uint32_t uTimeout = 0;
    uint32_t dwInfoFlags = 0;
};

// The notification area as the tray controls see it. It keeps the icons shown: it refuses a
// second add of an icon still shown and a delete of one not shown. When the desktop has a
// notification area (plat::sys::notificationArea(), an X11 system tray), each icon is also shown
// there, and an add that the desktop refuses (no tray running) fails; the desktop's mouse
// actions come back as the icon's callback message (wParam the index, lParam WM_MOUSEMOVE,
// WM_LBUTTONDOWN, ...), and a tray host that takes the area over sends "TaskbarCreated" to the
// top-level windows. Without one (headless) nothing appears on any screen; tests act out the
// desktop with Act and RestartShell.
class TrayShell {
public:
    virtual ~TrayShell();
    // Shell_NotifyIcon with NIM_ADD and NIM_DELETE.
    virtual bool Add(const NotifyIconRecord& record);
    virtual bool Delete(const NotifyIconRecord& record);

    const std::map<std::pair<plat::win::HWND, uint32_t>, NotifyIconRecord>& Shown() const { return m_shown; }
    bool IsShown(plat::win::HWND hwnd, uint32_t id) const { return m_shown.count({hwnd, id}) != 0; }
    // The user acts on an icon: `mouseMessage` is WM_MOUSEMOVE, WM_LBUTTONDOWN, ...
    void Act(plat::win::HWND hwnd, uint32_t id, plat::win::UINT mouseMessage);
    // The shell restarts: every icon gone, then "TaskbarCreated" to the top-level windows.
    void RestartShell();

    // The tip as the desktop shows it while the pointer rests on an icon.
    static plat::gfx::Surface TipPicture(const std::string& tip);

private:
    plat::sys::NotificationArea* Desktop();
    void KeepPumping();
    void StopPumping();

    std::map<std::pair<plat::win::HWND, uint32_t>, NotifyIconRecord> m_shown;
    plat::sys::NotificationArea* m_desktop = nullptr;
    plat::win::WindowSystem* m_pumpingIn = nullptr;
    plat::win::TimerId m_pumpTimer = 0;
};

// The shell the tray controls use (the program's own unless a host set another).
TrayShell& trayShell();
void setTrayShell(TrayShell* shell);

// RegisterWindowMessage: the same number for the same name, from 0xC000 on.
plat::win::UINT RegisterWindowMessage(const std::string& name);

} // namespace qel
