#pragma once
#include "controls/core/common_events.h"
#include "controls/core/window_hook.h"
#include "platform/window/messages.h"
#include "controls/extra/hidden_face_control.h"
#include <string>

namespace qel {

// Gives any window the control set's key and mouse events: the host names the window
// (ControlHwnd) and calls LaunchKeyMouseEvents; from then on every key, mouse, wheel, hover and
// leave message of that window raises its event here and goes on, unchanged, to the window's
// previous procedure. No stored properties; fixed at 660 x 585 twips, hidden while running.
//
// The events (CommonEvents): KeyDown, KeyUp, MouseHover, MouseLeave, MouseWheel, MouseDown ("a
// click"), MouseUp, MouseDblClick and MouseMove of the watched window; KeyPress is never raised.
class qelMouseKeyEvents : public HiddenFaceControl, public CommonEvents {
public:
    qelMouseKeyEvents();
    ~qelMouseKeyEvents() override;
    std::string className() const override { return "qelMouseKeyEvents"; }

    // Sees every message of the watched window; passes it on as it came and returns the result.
    plat::win::LRESULT WindowProc(plat::win::HWND hwnd, plat::win::UINT uMsg, plat::win::WPARAM wParam, plat::win::LPARAM lParam);
    // "Start subclassing of control": only in the running program, with ControlHwnd set, and not
    // again while watching.
    void LaunchKeyMouseEvents();
    // "hWnd of the control you want to subclass". Setting it stops watching the old window
    // (its procedure is put back); the new one is watched only after LaunchKeyMouseEvents.
    plat::win::HWND ControlHwnd() const { return m_controlHwnd; }
    void setControlHwnd(plat::win::HWND value);

    bool Watching() const { return m_hook.Installed(); }
    bool Hovering() const { return m_hovering; }

protected:
    void onRemoved() override { m_hook.Restore(); }
    void DrawFace(plat::gfx::DeviceContext& dc, int width, int height) override;

private:
    int GetShiftState() const;

    plat::win::HWND m_controlHwnd = 0;
    bool m_hovering = false;
    WindowHook m_hook;
};

} // namespace qel
