#include "platform/forms/mouse_events.h"
#include "platform/window/api.h"
#include "platform/window/twips.h"
#include "platform/window/virtual_keys.h"

namespace plat::forms {

using namespace plat::win;

bool MouseEvents::raiseMouseEvents(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    double x = twipsFromPixels(loWordSigned(lParam));
    double y = twipsFromPixels(hiWordSigned(lParam));
    int shift = ((wParam & MK_SHIFT) ? 1 : 0) | ((wParam & MK_CONTROL) ? 2 : 0) | (GetKeyState(VK_MENU) < 0 ? 4 : 0);
    auto raise = [&](const std::function<void(int, int, double, double)>& event, int button) {
        if (event)
            event(button, shift, x, y);
    };
    switch (msg) {
    case WM_LBUTTONDOWN:
        m_leftDown = true;
        raise(onMouseDown, 1);
        return true;
    case WM_LBUTTONDBLCLK:
        m_leftDown = false;
        if (onDblClick)
            onDblClick();
        return true;
    case WM_LBUTTONUP: {
        bool click = m_leftDown;
        m_leftDown = false;
        raise(onMouseUp, 1);
        gfx::Rect r = GetWindowRect(hwnd);
        int px = loWordSigned(lParam), py = hiWordSigned(lParam);
        if (click && onClick && IsWindow(hwnd) && px >= 0 && py >= 0 && px < r.width() && py < r.height())
            onClick();
        return true;
    }
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
        raise(onMouseDown, 2);
        return true;
    case WM_RBUTTONUP:
        raise(onMouseUp, 2);
        return true;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
        raise(onMouseDown, 4);
        return true;
    case WM_MBUTTONUP:
        raise(onMouseUp, 4);
        return true;
    case WM_MOUSEMOVE: {
        int buttons = ((wParam & MK_LBUTTON) ? 1 : 0) | ((wParam & MK_RBUTTON) ? 2 : 0) | ((wParam & MK_MBUTTON) ? 4 : 0);
        raise(onMouseMove, buttons);
        return true;
    }
    default:
        return false;
    }
}

} // namespace plat::forms
