#include "platform/forms/message_box_button.h"
#include "platform/forms/fonts.h"
#include "platform/gfx/system_colors.h"
#include "platform/gfx/text_layout.h"
#include "platform/window/api.h"
#include "platform/window/virtual_keys.h"

namespace plat::forms {

using namespace plat::win;

void MessageBoxButton::setCaption(std::string caption)
{
    m_caption = std::move(caption);
    redraw();
}

void MessageBoxButton::setDefault(bool on)
{
    m_default = on;
    redraw();
}

void MessageBoxButton::click()
{
    if (onClick)
        onClick();
}

void MessageBoxButton::onLostFocus()
{
    m_pushed = m_spaceDown = false;
    redraw();
}

void MessageBoxButton::onKeyDown(int& keyCode, int)
{
    if (keyCode == VK_SPACE) {
        m_spaceDown = m_pushed = true;
        redraw();
    } else if (keyCode == VK_LEFT || keyCode == VK_UP) {
        MoveFocus(false);
    } else if (keyCode == VK_RIGHT || keyCode == VK_DOWN) {
        MoveFocus(true);
    }
}

void MessageBoxButton::onKeyUp(int& keyCode, int)
{
    if (keyCode == VK_SPACE && m_spaceDown) {
        m_spaceDown = m_pushed = false;
        redraw();
        click();
    }
}

LRESULT MessageBoxButton::windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    gfx::Rect r = GetWindowRect(hwnd);
    int x = loWordSigned(lParam), y = hiWordSigned(lParam);
    bool inside = x >= 0 && y >= 0 && x < r.width() && y < r.height();
    switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        m_mouseDown = m_pushed = true;
        redraw();
        break;
    case WM_MOUSEMOVE:
        if (m_mouseDown && m_pushed != inside) {
            m_pushed = inside;
            redraw();
        }
        break;
    case WM_LBUTTONUP:
        if (m_mouseDown) {
            m_mouseDown = m_pushed = false;
            redraw();
            if (inside) {
                LRESULT result = UserControl::windowProc(hwnd, msg, wParam, lParam);
                click();
                return result;
            }
        }
        break;
    default:
        break;
    }
    return UserControl::windowProc(hwnd, msg, wParam, lParam);
}

void MessageBoxButton::redraw()
{
    if (!hwnd())
        return;
    gfx::DeviceContext& d = dc();
    gfx::Rect r = d.surface().rect();
    using gfx::systemColor;
    d.fillRect(r, systemColor(gfx::ColorBtnFace));
    bool focused = GetFocus() == hwnd();
    if (m_default || focused) {
        d.frameRect(r, systemColor(gfx::Color3DDkShadow));
        r = {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
    }
    if (m_pushed) {
        d.frameRect(r, systemColor(gfx::ColorBtnShadow));
    } else {
        d.fillRect({r.left, r.top, r.right - 1, r.top + 1}, systemColor(gfx::ColorBtnHighlight));
        d.fillRect({r.left, r.top, r.left + 1, r.bottom - 1}, systemColor(gfx::ColorBtnHighlight));
        d.fillRect({r.left, r.bottom - 1, r.right, r.bottom}, systemColor(gfx::Color3DDkShadow));
        d.fillRect({r.right - 1, r.top, r.right, r.bottom}, systemColor(gfx::Color3DDkShadow));
        d.fillRect({r.left + 1, r.bottom - 2, r.right - 1, r.bottom - 1}, systemColor(gfx::ColorBtnShadow));
        d.fillRect({r.right - 2, r.top + 1, r.right - 1, r.bottom - 1}, systemColor(gfx::ColorBtnShadow));
    }
    gfx::Rect text = r;
    if (m_pushed)
        text = text.offset(1, 1);
    d.setTextColor(systemColor(gfx::ColorBtnText));
    d.setBackMode(gfx::BackMode::Transparent);
    d.drawText(m_caption, text, gfx::DT_CENTER | gfx::DT_VCENTER | gfx::DT_SINGLELINE);
    if (focused)
        d.drawFocusRect({r.left + 3, r.top + 3, r.right - 3, r.bottom - 3});
    refreshImage();
}

} // namespace plat::forms
