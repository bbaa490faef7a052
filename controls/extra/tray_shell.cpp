#include "controls/extra/tray_shell.h"
#include "platform/window/api.h"

namespace qel {

using namespace plat::win;

bool TrayShell::Add(const NotifyIconRecord& record)
{
    return m_shown.emplace(std::make_pair(record.hWnd, record.uID), record).second;
}

bool TrayShell::Delete(const NotifyIconRecord& record) { return m_shown.erase({record.hWnd, record.uID}) != 0; }

void TrayShell::Act(HWND hwnd, uint32_t id, UINT mouseMessage)
{
    auto it = m_shown.find({hwnd, id});
    if (it == m_shown.end() || !IsWindow(hwnd))
        return;
    SendMessage(hwnd, it->second.uCallbackMessage, id, LPARAM(mouseMessage));
}

void TrayShell::RestartShell()
{
    m_shown.clear();
    const UINT created = RegisterWindowMessage("TaskbarCreated");
    for (HWND top : sys().topLevels())
        SendMessage(top, created, 0, 0);
}

namespace {
TrayShell*& current()
{
    static TrayShell standIn;
    static TrayShell* shell = &standIn;
    return shell;
}
} // namespace

TrayShell& trayShell() { return *current(); }

void setTrayShell(TrayShell* shell)
{
    static TrayShell standIn;
    current() = shell ? shell : &standIn;
}

UINT RegisterWindowMessage(const std::string& name)
{
    static std::map<std::string, UINT> numbers;
    auto it = numbers.find(name);
    if (it != numbers.end())
        return it->second;
    const UINT n = 0xC000 + UINT(numbers.size());
    numbers.emplace(name, n);
    return n;
}

} // namespace qel
