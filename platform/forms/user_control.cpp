#include "platform/forms/user_control.h"
#include "platform/forms/fonts.h"
#include "platform/forms/form.h"
#include "platform/window/api.h"
#include "platform/window/twips.h"
#include "platform/window/virtual_keys.h"

namespace plat::forms {

using namespace plat::win;

int currentShiftState()
{
    int shift = 0;
    if (GetKeyState(VK_SHIFT) < 0)
        shift |= 1;
    if (GetKeyState(VK_CONTROL) < 0)
        shift |= 2;
    if (GetKeyState(VK_MENU) < 0)
        shift |= 4;
    return shift;
}

UserControl::UserControl() = default;
UserControl::~UserControl() = default;

gfx::Surface& UserControl::image() { return WindowImage(hwnd()); }

gfx::DeviceContext& UserControl::dc()
{
    if (!hwnd()) {
        // Before the window exists (or after it is gone) drawing goes nowhere.
        static gfx::Surface none(1, 1);
        static gfx::DeviceContext nowhere(none);
        return nowhere;
    }
    if (!m_dc) {
        m_dc = std::make_unique<gfx::DeviceContext>(WindowImage(hwnd()));
        m_dc->setFont(openFont(ambient().font));
    }
    return *m_dc;
}

double UserControl::scaleWidth() const { return twipsFromPixels(hwnd() ? GetWindowRect(hwnd()).width() : pixelRect().width()); }

double UserControl::scaleHeight() const { return twipsFromPixels(hwnd() ? GetWindowRect(hwnd()).height() : pixelRect().height()); }

void UserControl::refreshImage(std::optional<gfx::Rect> part)
{
    if (hwnd())
        ImageChanged(hwnd(), part);
}

Ambient UserControl::ambient() const
{
    Ambient a;
    a.displayName = name();
    if (const Form* f = form()) {
        a.userMode = !f->designMode();
        a.font = f->font();
    }
    return a;
}

HWND UserControl::createWindow(HWND parent, const gfx::Rect& pixels)
{
    HWND h = Control::createWindow(parent, pixels);
    InvalidateRect(h);
    return h;
}

LRESULT UserControl::windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_DESTROY:
        m_dc.reset();
        return DefWindowProc(hwnd, msg, wParam, lParam);
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        // A click gives the control the focus, as the host does for any control that takes it.
        if (canTakeFocus() && !takesFocusWhenPressed() && GetFocus() != hwnd)
            setFocus();
        return DefWindowProc(hwnd, msg, wParam, lParam);
    case WM_PAINT:
        onPaint();
        return DefWindowProc(hwnd, msg, wParam, lParam); // validates
    case WM_SIZE:
        onResize();
        return 0;
    case WM_SETFOCUS:
        onGotFocus();
        return 0;
    case WM_KILLFOCUS:
        onLostFocus();
        return 0;
    case WM_KEYDOWN:
    case WM_KEYUP: {
        int keyCode = int(wParam);
        if (msg == WM_KEYDOWN)
            onKeyDown(keyCode, currentShiftState());
        else
            onKeyUp(keyCode, currentShiftState());
        return 0;
    }
    case WM_CHAR: {
        int keyAscii = int(wParam);
        onKeyPress(keyAscii);
        return 0;
    }
    default:
        return DefWindowProc(hwnd, msg, wParam, lParam);
    }
}

} // namespace plat::forms
