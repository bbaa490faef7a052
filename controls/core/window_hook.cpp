#include "controls/core/window_hook.h"
#include "platform/window/api.h"

namespace qel {

using namespace plat::win;

WindowHook::~WindowHook() { Restore(); }

bool WindowHook::Install(HWND hwnd, Procedure windowProc)
{
    if (m_state || !WindowSystem::current() || !IsWindow(hwnd))
        return false;
    auto state = std::make_shared<State>();
    state->target = std::move(windowProc);
    // The installed procedure holds the state, not the control: once the hook is restored
    // it only passes messages on.
    m_installed = makeWndProc([state](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
        if (state->active)
            return state->target(h, m, w, l);
        return CallWindowProc(state->previous, h, m, w, l);
    });
    state->previous = SetWindowProc(hwnd, m_installed);
    m_state = std::move(state);
    m_hwnd = hwnd;
    return true;
}

void WindowHook::Restore()
{
    if (!m_state)
        return;
    m_state->active = false;
    if (WindowSystem::current() && IsWindow(m_hwnd)) {
        plat::win::Window* w = sys().get(m_hwnd);
        if (w && w->proc == m_installed)
            SetWindowProc(m_hwnd, m_state->previous);
    }
    m_state.reset();
    m_installed.reset();
    m_hwnd = 0;
}

const WndProc& WindowHook::PreviousWindowProc() const
{
    static const WndProc none;
    return m_state ? m_state->previous : none;
}

LRESULT WindowHook::CallPrevious(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) const
{
    return CallWindowProc(PreviousWindowProc(), hwnd, msg, wParam, lParam);
}

} // namespace qel
