#include "controls/extra/mdl_sys_tray_callback.h"
#include "controls/core/window_hook.h"
#include "controls/extra/qel_sys_tray.h"
#include "platform/window/api.h"
#include <algorithm>
#include <utility>

namespace qel::mdlSysTrayCallBack {

using namespace plat::win;

namespace {

std::vector<std::pair<std::string, qelSysTray*>>& registry()
{
    static std::vector<std::pair<std::string, qelSysTray*>> icons;
    return icons;
}

struct Host {
    WindowHook hook;
    UINT taskbarCreated = 0;
};
Host& host()
{
    static Host h;
    return h;
}

} // namespace

// The separator keeps window 257's icon 10 apart from window 2571's icon 0.
std::string TrayKey(HWND hwnd, int32_t index) { return "_" + std::to_string(hwnd) + "_" + std::to_string(index); }

void RegisterTrayIcon(qelSysTray* control, const std::string& key)
{
    auto& r = registry();
    if (std::none_of(r.begin(), r.end(), [&](const auto& e) { return e.first == key; }))
        r.emplace_back(key, control);
}

void UnregisterTrayIcon(const std::string& key)
{
    auto& r = registry();
    r.erase(std::remove_if(r.begin(), r.end(), [&](const auto& e) { return e.first == key; }), r.end());
}

bool SubclassHost(HWND hostWindow, UINT taskbarCreated)
{
    Host& h = host();
    if (h.hook.Installed() && IsWindow(h.hook.Window()))
        return false;
    h.hook.Restore();
    h.taskbarCreated = taskbarCreated;
    return h.hook.Install(hostWindow, [](HWND a, UINT b, WPARAM c, LPARAM d) { return TrayHostWindowProc(a, b, c, d); });
}

LRESULT TrayHostWindowProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    Host& h = host();
    const WndProc previous = h.hook.PreviousWindowProc();
    if (uMsg == h.taskbarCreated) {
        // A copy: re-adding may register again.
        const auto entries = registry();
        for (const auto& e : entries)
            e.second->ReAddTrayIcons();
    }
    return CallWindowProc(previous, hwnd, uMsg, wParam, lParam);
}

std::vector<std::string> RegisteredKeys()
{
    std::vector<std::string> keys;
    for (const auto& e : registry())
        keys.push_back(e.first);
    return keys;
}

bool HostSubclassed() { return host().hook.Installed() && WindowSystem::current() && IsWindow(host().hook.Window()); }

void ResetHost() { host().hook.Restore(); }

} // namespace qel::mdlSysTrayCallBack
