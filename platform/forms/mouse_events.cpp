#include "platform/forms/mouse_events.h"
#include "platform/window/api.h"
#include "platform/window/mouse_shift.h"
#include "platform/window/twips.h"
#include "platform/window/virtual_keys.h"
#include <utility>

namespace plat::forms {

using namespace plat::win;

bool MouseEvents::raiseMouseEvents(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    const int px = loWordSigned(lParam), py = hiWordSigned(lParam);
    const double x = twipsFromPixels(px), y = twipsFromPixels(py);
    const int shift = mouseShiftWithAlt(wParam);
    auto raise = [&](const std::function<void(int, int, double, double)>& event, int button) {
        if (event)
            event(button, shift, x, y);
    };
    switch (msg) {
    case WM_LBUTTONDBLCLK:
        if (m_doubleClick == DoubleClick::InPlaceOfClick) {
            m_leftDown = false;
            if (onDblClick)
                onDblClick();
            return true;
        }
        [[fallthrough]];
    case WM_LBUTTONDOWN:
        m_leftDown = true;
        m_pressedTwice = msg == WM_LBUTTONDBLCLK;
        raise(onMouseDown, 1);
        return true;
    case WM_LBUTTONUP: {
        const bool pressed = std::exchange(m_leftDown, false);
        const bool twice = std::exchange(m_pressedTwice, false);
        raise(onMouseUp, 1);
        // A handler may have removed the control (and its window) meanwhile.
        if (!pressed || !IsWindow(hwnd))
            return true;
        const gfx::Rect r = GetWindowRect(hwnd);
        if (px < 0 || py < 0 || px >= r.width() || py >= r.height())
            return true;
        if (onClick)
            onClick();
        if (twice && onDblClick && IsWindow(hwnd))
            onDblClick();
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
        const int buttons = ((wParam & MK_LBUTTON) ? 1 : 0) | ((wParam & MK_RBUTTON) ? 2 : 0) | ((wParam & MK_MBUTTON) ? 4 : 0);
        raise(onMouseMove, buttons);
        return true;
    }
    default:
        return false;
    }
}

} // namespace plat::forms
