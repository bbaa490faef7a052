#include "controls/text/edit_messages.h"
#include "controls/text/qel_text_box.h"
#include "platform/window/api.h"
#include <cmath>

namespace qel {

using namespace plat;
using namespace plat::win;

// --- the control window's messages ---

void qelTextBox::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto args = [&](int button) {
        MouseEventArgs a = mouseEventArgs(wParam, lParam);
        a.Button = button;
        // This control's events give a held key as True (-1).
        a.Shift = -a.Shift;
        a.Control = -a.Control;
        return a;
    };
    auto raise = [](const MouseEvent& event, MouseEventArgs a) {
        if (event)
            event(a.Button, a.Shift, a.Control, a.x, a.y);
    };
    switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        raise(LegendMouseDown, args(messageButton(msg)));
        break;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        raise(LegendMouseUp, args(messageButton(msg)));
        break;
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
        raise(LegendMouseDblClick, args(messageButton(msg)));
        break;
    case WM_MOUSEMOVE:
        TrackMouseEvent(m_track);
        raise(LegendMouseMove, args(moveButton(wParam)));
        break;
    case WM_MOUSEWHEEL: {
        int sens = wheelSens(wParam);
        if (LegendMouseWheel)
            LegendMouseWheel(sens);
        break;
    }
    case WM_MOUSEHOVER:
        if (!m_mouseInside) {
            if (LegendMouseHover)
                LegendMouseHover();
            m_mouseInside = true;
        }
        break;
    case WM_MOUSELEAVE:
        if (LegendMouseLeave)
            LegendMouseLeave();
        m_mouseInside = false;
        break;
    case WM_PAINT:
        m_imageCurrent = true;
        break;
    case WM_CTLCOLOREDIT:
    case WM_SETCURSOR:
        SynchronisationStep();
        break;
    default:
        break;
    }
}

void qelTextBox::onKeyDown(int& keyCode, int shift)
{
    int Shift = shift;
    if (LegendKeyDown)
        LegendKeyDown(keyCode, Shift);
}

void qelTextBox::onKeyUp(int& keyCode, int shift)
{
    int Shift = shift;
    if (LegendKeyUp)
        LegendKeyUp(keyCode, Shift);
}

void qelTextBox::onKeyPress(int& keyAscii)
{
    if (LegendKeyPress)
        LegendKeyPress(keyAscii);
}

// --- scroll-bar synchronisation and text changes ---

void qelTextBox::SynchronisationStep()
{
    m_vs->setBlockVS(true);
    const int32_t f = FirstVisibleLine();
    if (f != m_lastFirstVisibleLine) {
        if (!m_skipVSSync)
            m_vs->setValue(Whole(f + 1));
        else
            m_skipVSSync = false;
    }
    m_lastFirstVisibleLine = f;
    m_lineNumberState = 0;
    DrawLineNumbers(false);
    SyncHSFromElement();
}

void qelTextBox::TextChanged(int index)
{
    if (m_following)
        return;
    m_storedText = m_elements[size_t(index)]->text();
    // Whole lines that fit, measured with the control window's (legend) font.
    const int letter = TextHeight("A");
    const int32_t v = letter > 0 ? int32_t(std::floor(m_elements[1]->height() / letter)) : 0;
    SCROLLINFO info;
    info.fMask = SIF_PAGE;
    m_elements[2]->GetScrollInfo(SB_HORZ, info);
    m_hs->setEnabled(info.nPage != 1);
    const int32_t lines = LineCount();
    m_vs->setMax(Whole(lines - v + 1));
    SyncHSFromElement();
    m_vs->setEnabled(lines > v);
    if (Change)
        Change();
    DrawLineNumbers(true);
}

// --- layout ---

void qelTextBox::Layout()
{
    if (!m_vs)
        return;
    const double W = width(), H = height();
    const double LW = m_legendWidth;
    const double vw = (m_scrollBars == 2 || m_scrollBars == 3) ? N(m_vs->width()) : 0;
    const double hh = (m_scrollBars == 1 || m_scrollBars == 3) ? N(m_hs->height()) : 0;
    m_vs->move(W - 30 - vw, 30, m_vs->width(), H - 60 - hh);
    const double hsLeft = m_legendType != 0 ? LW + 30 : 30;
    m_hs->move(hsLeft, H - hh - 30, W - hsLeft - 30 - vw, m_hs->height());
    double left = 45, w = W - 90 - vw;
    if (m_legendType != 0) {
        left = LW + 45;
        w = W - 90 - LW - vw;
    }
    const double h = H - 45 - hh;
    m_elements[0]->move(left, 30, w, h);
    m_elements[1]->move(left, 30, w, h);
    const int bar = GetSystemMetrics(SM_CYHSCROLL);
    m_elements[2]->move(left, 30, w, h + 14.0 * bar);
    // Its own scroll bar is cut off: only the text shows.
    if (const HWND e2 = m_elements[2]->hwnd()) {
        const int rw = N(m_elements[2]->width() / Tx());
        const int rh = N(m_elements[2]->height() / Ty() - bar);
        SetWindowRgn(e2, gfx::Region::fromRect({0, 0, std::max(0, rw), std::max(0, rh)}));
        InvalidateRect(e2);
    }
    m_imageCurrent = false;
    PaintHandler();
}

} // namespace qel
