#include "controls/core/common_events.h"
#include "controls/core/mdl_declarations.h"
#include "platform/window/api.h"

namespace qel {

using namespace plat::win;

CommonEvents::CommonEvents()
{
    m_track.cbSize = 16;
    m_track.dwFlags = kTrackFlags;
    m_track.dwHoverTime = kHoverTimeMs;
}

bool CommonEvents::RaiseMouseMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_MOUSEMOVE: {
        TrackMouseEvent(m_track);
        MouseEventArgs args = mouseEventArgs(wParam, lParam);
        args.Button = moveButton(wParam);
        RaiseMouseEvent(msg, args);
        return true;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK: {
        MouseEventArgs args = mouseEventArgs(wParam, lParam);
        args.Button = messageButton(msg);
        OnMouseButton(msg, args);
        return true;
    }
    case WM_MOUSEWHEEL: {
        int sens = wheelSens(wParam);
        if (MouseWheel)
            MouseWheel(sens);
        return true;
    }
    default:
        return false;
    }
}

void CommonEvents::OnMouseButton(UINT msg, MouseEventArgs& args) { RaiseMouseEvent(msg, args); }

void CommonEvents::RaiseMouseEvent(UINT msg, MouseEventArgs a)
{
    const MouseEvent* event = nullptr;
    switch (msg) {
    case WM_MOUSEMOVE:
        event = &MouseMove;
        break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        event = &MouseDown;
        break;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        event = &MouseUp;
        break;
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
        event = &MouseDblClick;
        break;
    default:
        return;
    }
    if (*event)
        (*event)(a.Button, a.Shift, a.Control, a.x, a.y);
}

} // namespace qel
