#include "platform/forms/input_control.h"
#include "platform/forms/look_properties.h"
#include "platform/forms/colors.h"
#include "platform/forms/edges.h"
#include "platform/forms/fonts.h"
#include "platform/forms/form.h"
#include "platform/forms/property_bag.h"
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

void ColorsAndFont::setForeColor(uint32_t color)
{
    m_foreColor = color;
    lookChanged(Look::ForeColor);
}

void ColorsAndFont::setBackColor(uint32_t color)
{
    m_backColor = color;
    lookChanged(Look::BackColor);
}

void ColorsAndFont::setFont(const FontDesc& font)
{
    m_font = font;
    lookChanged(Look::Font);
}

FontDesc formFont(const Control& control) { return control.form() ? control.form()->font() : FontDesc{}; }

// --- the input controls ---

InputControl::InputControl() : ColorsAndFont(0x80000008u, 0x80000005u), m_drawFont(openFont(m_font)) {}

void InputControl::setEnabled(bool enabled)
{
    Control::setEnabled(enabled);
    if (m_part)
        m_part->setEnabled(enabled);
    redraw();
}

void InputControl::onPlaced()
{
    if (m_part) {
        m_part->attach(hwnd());
        m_part->setEnabled(enabled());
    }
    layOut();
}

void InputControl::onRemoved()
{
    if (m_part)
        m_part->detach();
}

void InputControl::initProperties()
{
    beginLoading();
    inputLookProperties<InputControl>().init(*this);
    endLoading();
}

void InputControl::endLoading()
{
    m_loading = false;
    loaded();
}

gfx::Color InputControl::foreRgb() const { return resolveColor(m_foreColor); }
gfx::Color InputControl::backRgb() const { return resolveColor(m_backColor); }

void InputControl::lookChanged(Look what)
{
    if (what == Look::Font)
        m_drawFont = openFont(m_font);
    showLook(what);
}

void InputControl::showLook(Look what)
{
    if (m_part) {
        if (what == Look::Font)
            m_part->setFont(m_drawFont);
        else
            m_part->setColors(foreRgb(), backRgb());
    }
    redraw();
}

void InputControl::setAppearance(int appearance)
{
    m_appearance = std::clamp(appearance, 0, 1);
    layOut();
    redraw();
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

LRESULT InputControl::passOn(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (this->hwnd() == hwnd && raiseMouse(hwnd, msg, wParam, lParam))
        return 0;
    return DefWindowProc(hwnd, msg, wParam, lParam);
}

bool InputControl::raiseMouse(HWND, UINT, WPARAM, LPARAM) { return false; }

bool InputControl::takeFocus(HWND hwnd)
{
    if (GetFocus() != hwnd)
        setFocus();
    return this->hwnd() == hwnd;
}

gfx::Point InputControl::pointOf(LPARAM lParam) { return {loWordSigned(lParam), hiWordSigned(lParam)}; }

LRESULT InputControl::windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto alive = [&] { return this->hwnd() == hwnd; };
    switch (msg) {
    case WM_PAINT:
        paintNow();
        return DefWindowProc(hwnd, msg, wParam, lParam);
    case WM_SIZE:
        layOut();
        redraw();
        return 0;
    case WM_DESTROY:
        // The window also goes with its parent's, without the control being removed.
        onRemoved();
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
