#include "controls/extra/qel_mouse_key_events.h"
#include "controls/core/mdl_declarations.h"
#include "controls/core/mouse_event_args.h"
#include "platform/window/api.h"
#include "platform/window/virtual_keys.h"

namespace qel {

using namespace plat;
using namespace plat::win;

qelMouseKeyEvents::qelMouseKeyEvents()
    : HiddenFaceControl(44, 39)
{
}

qelMouseKeyEvents::~qelMouseKeyEvents() = default;

void qelMouseKeyEvents::setControlHwnd(HWND value)
{
    m_hook.Restore();
    m_controlHwnd = value;
}

void qelMouseKeyEvents::LaunchKeyMouseEvents()
{
    if (!ambient().userMode || m_controlHwnd == 0 || m_hook.Installed())
        return;
    if (!m_hook.Install(m_controlHwnd, [this](HWND h, UINT m, WPARAM w, LPARAM l) { return WindowProc(h, m, w, l); }))
        return;
    m_track.hwndTrack = m_controlHwnd;
    TrackMouseEvent(m_track);
    m_hovering = false;
}

int qelMouseKeyEvents::GetShiftState() const
{
    int shift = 0;
    if (GetKeyState(VK_SHIFT) < 0)
        shift += 1;
    if (GetKeyState(VK_MENU) < 0)
        shift += 4;
    if (GetKeyState(VK_CONTROL) < 0)
        shift += 2;
    return shift;
}

LRESULT qelMouseKeyEvents::WindowProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    // Held before the events: a handler may set ControlHwnd, which restores the procedure.
    const WndProc previous = m_hook.PreviousWindowProc();
    switch (uMsg) {
    case WM_KEYDOWN:
    case WM_KEYUP: {
        int keyCode = int(wParam & 0xFFFF);
        int shift = GetShiftState();
        const KeyEvent& event = uMsg == WM_KEYDOWN ? KeyDown : KeyUp;
        if (event)
            event(keyCode, shift);
        break;
    }
    case WM_MOUSEHOVER:
        if (!m_hovering) {
            m_hovering = true;
            if (MouseHover)
                MouseHover();
        }
        break;
    case WM_MOUSELEAVE:
        m_hovering = false;
        if (MouseLeave)
            MouseLeave();
        break;
    default:
        RaiseMouseMessage(uMsg, wParam, lParam);
        break;
    }
    const LRESULT result = CallWindowProc(previous, hwnd, uMsg, wParam, lParam);
    if (uMsg == WM_DESTROY && hwnd == m_hook.Window())
        m_hook.Restore();
    return result;
}

void qelMouseKeyEvents::DrawFace(gfx::DeviceContext& dc, int w, int h)
{
    // A mouse beside a key cap.
    dc.clear(0xE0E0E0);
    gfx::Region body = gfx::Region::roundRect(4, 6, w / 2, h - 5, 10, 12);
    dc.fillRegion(body, gfx::Brush::solid(0xFFFFFF));
    dc.frameRegion(body, gfx::Brush::solid(0x404040), 1, 1);
    dc.setForeColor(0x404040);
    dc.line(4, 16, w / 2, 16);
    dc.line((4 + w / 2) / 2, 6, (4 + w / 2) / 2, 16);
    dc.frameRect({w / 2 + 4, 12, w - 4, h - 10}, 0x404040);
}

} // namespace qel
