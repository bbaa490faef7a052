#pragma once
#include "platform/gfx/picture.h"
#include "platform/window/types.h"
#include <map>
#include <string>
#include <utility>

namespace qel {

// A notification icon as the control hands it to the shell.
struct NotifyIconRecord {
    plat::win::HWND hWnd = 0;
    uint32_t uID = 0;
    uint32_t uFlags = 0;           // 7: message, icon and tip
    uint32_t uCallbackMessage = 0; // sent to hWnd with wParam = uID, lParam = the mouse message
    plat::gfx::Picture hIcon;
    std::string szTip; // at most 127 characters
    uint32_t uTimeout = 0;
    uint32_t dwInfoFlags = 0;
};

// The notification area. Our desktop has none, so the program runs on a stand-in that only keeps
// the icons shown (nothing appears on the screen): it refuses a second add of an icon still shown
// and a delete of one not shown, can act out a mouse action on an icon (the callback message to
// the icon's window), and a restart of the shell (every icon gone, then "TaskbarCreated" to the
// top-level windows). A host with a real notification area would put its own shell here.
class TrayShell {
public:
    virtual ~TrayShell() = default;
    // Shell_NotifyIcon with NIM_ADD and NIM_DELETE.
    virtual bool Add(const NotifyIconRecord& record);
    virtual bool Delete(const NotifyIconRecord& record);

    // --- the stand-in's own ---
    const std::map<std::pair<plat::win::HWND, uint32_t>, NotifyIconRecord>& Shown() const { return m_shown; }
    bool IsShown(plat::win::HWND hwnd, uint32_t id) const { return m_shown.count({hwnd, id}) != 0; }
    // The user acts on an icon: `mouseMessage` is WM_MOUSEMOVE, WM_LBUTTONDOWN, ...
    void Act(plat::win::HWND hwnd, uint32_t id, plat::win::UINT mouseMessage);
    void RestartShell();

private:
    std::map<std::pair<plat::win::HWND, uint32_t>, NotifyIconRecord> m_shown;
};

// The shell the tray controls use (the stand-in unless a host set another).
TrayShell& trayShell();
void setTrayShell(TrayShell* shell);

// RegisterWindowMessage: the same number for the same name, from 0xC000 on.
plat::win::UINT RegisterWindowMessage(const std::string& name);

} // namespace qel
