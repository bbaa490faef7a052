#pragma once
#include "platform/window/types.h"
#include <functional>
#include <memory>

namespace qel {

// Puts a control's WindowProc in front of its window's procedure (what the per-instance
// stub did): every message reaches the control first; the control passes it on with
// CallPrevious and returns that result. Restore (or destruction) puts the previous
// procedure back; if another procedure has been installed in front of this one meanwhile,
// the hook stays in the chain as a plain pass-through instead, so nothing above it breaks.
class WindowHook {
public:
    using Procedure = std::function<plat::win::LRESULT(plat::win::HWND, plat::win::UINT, plat::win::WPARAM, plat::win::LPARAM)>;

    WindowHook() = default;
    ~WindowHook();
    WindowHook(const WindowHook&) = delete;
    WindowHook& operator=(const WindowHook&) = delete;

    // False when already installed or the window does not exist.
    bool Install(plat::win::HWND hwnd, Procedure windowProc);
    void Restore();
    bool Installed() const { return m_state != nullptr; }
    plat::win::HWND Window() const { return m_hwnd; }

    // The procedure this hook replaced (SetWindowLong's result); null while not installed.
    const plat::win::WndProc& PreviousWindowProc() const;
    // CallWindowProc with the previous procedure; the default procedure while not installed.
    plat::win::LRESULT CallPrevious(plat::win::HWND hwnd, plat::win::UINT msg, plat::win::WPARAM wParam, plat::win::LPARAM lParam) const;

private:
    struct State {
        Procedure target;
        plat::win::WndProc previous;
        bool active = true;
    };
    std::shared_ptr<State> m_state;
    plat::win::WndProc m_installed;
    plat::win::HWND m_hwnd = 0;
};

} // namespace qel
