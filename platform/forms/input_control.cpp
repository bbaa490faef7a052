#include "platform/forms/input_control.h"
#include "platform/forms/edges.h"
#include "platform/forms/user_control.h"
#include "platform/window/api.h"
#include <algorithm>

namespace plat::forms {

using namespace plat::win;

void KeyEvents::raiseKeyEvent(UINT msg, int& code, int shift)
{
    if (auto& event = msg == WM_KEYDOWN ? onKeyDown : onKeyUp)
        event(code, shift);
}

void KeyEvents::raiseKeyPress(int& ascii)
{
    if (onKeyPress)
        onKeyPress(ascii);
}

void FocusEvents::raiseFocusEvent(bool gained)
{
    if (auto& event = gained ? onGotFocus : onLostFocus)
        event();
}

int InputControl::borderWidth(int borderStyle, int appearance) { return borderStyle == 0 ? 0 : appearance == 1 ? 2 : 1; }

void InputControl::drawBorder(gfx::DeviceContext& dc, const gfx::Rect& r, int borderStyle, int appearance)
{
    if (borderStyle == 1)
        (appearance == 1 ? drawSunkenEdge : drawFlatEdge)(dc, r);
}

gfx::Rect InputControl::ownRect() const { return hwnd() ? GetWindowRect(hwnd()) : pixelRect(); }

gfx::Rect InputControl::innerRect(int b) const
{
    gfx::Rect r = ownRect();
    return {b, b, std::max(b, r.width() - b), std::max(b, r.height() - b)};
}

void InputControl::redraw()
{
    if (hwnd() && !m_loading)
        InvalidateRect(hwnd());
}

void InputControl::paintNow()
{
    if (!hwnd())
        return;
    gfx::DeviceContext dc(WindowImage(hwnd()));
    paintWindow(dc);
    ImageChanged(hwnd());
}

LRESULT InputControl::windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto alive = [&] { return this->hwnd() == hwnd; };
    switch (msg) {
    case WM_PAINT:
        paintNow();
        return DefWindowProc(hwnd, msg, wParam, lParam);
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        focusChanged(msg == WM_SETFOCUS);
        raiseFocusEvent(msg == WM_SETFOCUS);
        return 0;
    case WM_KEYDOWN:
    case WM_KEYUP: {
        int code = int(wParam);
        int shift = currentShiftState();
        raiseKeyEvent(msg, code, shift);
        if (msg == WM_KEYDOWN && code && alive())
            keyDown(code, shift);
        return 0;
    }
    case WM_CHAR: {
        int ascii = int(wParam);
        raiseKeyPress(ascii);
        if (ascii > 0 && alive())
            character(ascii);
        return 0;
    }
    default:
        return controlProc(hwnd, msg, wParam, lParam);
    }
}

} // namespace plat::forms
