#include "controls/core/mouse_event_args.h"
#include "controls/core/mdl_declarations.h"
#include "platform/window/messages.h"
#include "platform/window/mouse_shift.h"
#include "platform/window/twips.h"

namespace qel {

using namespace plat::win;

MouseEventArgs mouseEventArgs(WPARAM wParam, LPARAM lParam)
{
    MouseEventArgs a;
    const int shift = mouseShift(wParam);
    a.Shift = (shift & kShiftMask) ? 1 : 0;
    a.Control = (shift & kCtrlMask) ? 1 : 0;
    a.x = int(roundHalfEven(double(LoWord(lParam)) * TwipsPerPixelX()));
    a.y = int(roundHalfEven(double(HiWord(lParam)) * TwipsPerPixelY()));
    return a;
}

int moveButton(WPARAM wParam)
{
    int button = 0;
    if (wParam & MK_LBUTTON)
        button = kButtonLeft;
    if (wParam & MK_RBUTTON)
        button = kButtonRight;
    if (wParam & MK_MBUTTON)
        button = kButtonMiddle;
    return button;
}

int messageButton(UINT msg)
{
    switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
        return kButtonLeft;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
        return kButtonRight;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
        return kButtonMiddle;
    default:
        return 0;
    }
}

int wheelSens(WPARAM wParam) { return int32_t(uint32_t(wParam)) < 0 ? 1 : 0; }

} // namespace qel
