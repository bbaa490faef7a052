#include "controls/text/arrow_step_control.h"
#include "platform/window/api.h"
#include "platform/window/virtual_keys.h"
#include <utility>

namespace qel {

using namespace plat::win;

ArrowStepControl::ArrowStepControl() : m_timer1([this] { Timer1Tick(); }) {}

ArrowStepControl::~ArrowStepControl() = default;

// --- the value model ---

void ArrowStepControl::setMin(Fixed v)
{
    if (!(m_min <= m_value) || v == m_min)
        return;
    m_min = v;
    SettleValue();
    PropertyChanged();
}

void ArrowStepControl::setMax(Fixed v)
{
    if (!(m_max >= m_value) || v == m_max)
        return;
    m_max = v;
    SettleValue();
    PropertyChanged();
}

void ArrowStepControl::setValue(Fixed v)
{
    if (v == m_value)
        return;
    AssignValue(v, false);
}

void ArrowStepControl::AssignValue(Fixed v, bool silent)
{
    if (!silent) {
        const bool outer = std::exchange(m_assigningValue, true);
        RaiseChange();
        m_assigningValue = outer;
    }
    m_value = v;
    SettleValue();
    if (ValueAssigned)
        ValueAssigned();
}

void ArrowStepControl::RaiseChange()
{
    if (Change)
        Change(m_value);
}

void ArrowStepControl::ClampToBounds()
{
    if (m_value > m_max)
        m_value = m_max;
    if (m_value < m_min)
        m_value = m_min;
}

void ArrowStepControl::setMouseInterval(int32_t ms)
{
    m_mouseInterval = ms;
    m_timer1.setInterval(ms);
}

void ArrowStepControl::onPlaced()
{
    DrawnControl::onPlaced();
    m_timer1.setOwner(hwnd());
}

// --- the buttons ---

void ArrowStepControl::TrackArrows(const MouseEventArgs& args)
{
    // Each test sees what the one before left, whatever the buttons held and Enabled.
    if (m_minArrowState != ArrowNormal && !OnMinArrow(args)) {
        m_minArrowState = ArrowNormal;
        Redraw();
    }
    if (m_maxArrowState != ArrowNormal && !OnMaxArrow(args)) {
        m_maxArrowState = ArrowNormal;
        Redraw();
    }
    if (m_minArrowState == ArrowNormal && OnMinArrow(args)) {
        m_minArrowState = ArrowHover;
        Redraw();
    }
    if (m_maxArrowState == ArrowNormal && OnMaxArrow(args)) {
        m_maxArrowState = ArrowHover;
        Redraw();
    }
}

void ArrowStepControl::PressArrows()
{
    if (m_minArrowState != ArrowNormal) {
        m_value = m_value - m_smallChange;
        m_minArrowState = ArrowPressed;
        m_timer1.setEnabled(true);
        SettleValue();
        RaiseChange();
    }
    if (m_maxArrowState != ArrowNormal) {
        m_value = m_value + m_smallChange;
        m_maxArrowState = ArrowPressed;
        m_timer1.setEnabled(true);
        SettleValue();
        RaiseChange();
    }
}

void ArrowStepControl::ReleaseArrows()
{
    // A button the pointer already left is no longer pressed: the timer then stays on, and its
    // ticks change nothing.
    if (m_minArrowState == ArrowPressed) {
        m_minArrowState = ArrowHover;
        Redraw();
        m_timer1.setEnabled(false);
    }
    if (m_maxArrowState == ArrowPressed) {
        m_maxArrowState = ArrowHover;
        Redraw();
        m_timer1.setEnabled(false);
    }
}

void ArrowStepControl::DoubleClickArrows()
{
    if (m_minArrowState == ArrowHover) {
        m_value = m_value - m_smallChange;
        m_minArrowState = ArrowPressed;
    }
    if (m_maxArrowState == ArrowHover) {
        m_value = m_value + m_smallChange;
        m_maxArrowState = ArrowPressed;
    }
}

void ArrowStepControl::Timer1Tick()
{
    if (!Enabled())
        return;
    if (m_minArrowState == ArrowPressed)
        m_value = m_value - m_smallChange;
    else if (m_maxArrowState == ArrowPressed)
        m_value = m_value + m_smallChange;
    else
        return;
    SettleValue();
    RaiseChange();
}

// --- messages ---

void ArrowStepControl::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg != WM_MOUSEMOVE) {
        DrawnControl::HandleMessage(msg, wParam, lParam);
        return;
    }
    // Hover and leave notices are asked for again on every move.
    TrackMouseEvent(m_track);
    MouseEventArgs args = mouseEventArgs(wParam, lParam);
    args.Button = moveButton(wParam);
    TrackArrows(args);
    OnPointerMoved(args);
    RaiseMouseEvent(WM_MOUSEMOVE, args);
}

void ArrowStepControl::OnMouseButton(UINT msg, MouseEventArgs& args)
{
    switch (msg) {
    case WM_LBUTTONDOWN:
        PressArrows();
        break;
    case WM_LBUTTONUP:
        ReleaseArrows();
        break;
    case WM_LBUTTONDBLCLK:
        DoubleClickArrows();
        SettleValue();
        RaiseChange();
        break;
    default:
        break;
    }
    RaiseMouseEvent(msg, args);
}

void ArrowStepControl::OnMouseLeave()
{
    DrawnControl::OnMouseLeave();
    m_minArrowState = ArrowNormal;
    m_maxArrowState = ArrowNormal;
    if (m_leaveSeen)
        Redraw();
    else
        m_leaveSeen = true;
}

// --- keys ---

bool ArrowStepControl::StepByKey(int keyCode)
{
    switch (keyCode) {
    case VK_LEFT:
    case VK_UP:
        m_value = m_value - m_smallChange;
        return true;
    case VK_RIGHT:
    case VK_DOWN:
        m_value = m_value + m_smallChange;
        return true;
    case VK_END:
        m_value = m_max;
        return true;
    case VK_HOME:
        m_value = m_min;
        return true;
    default:
        return false;
    }
}

void ArrowStepControl::onKeyDown(int& keyCode, int shift)
{
    if (!Enabled())
        return;
    if (StepByKey(keyCode)) {
        SettleValue();
        RaiseChange();
    }
    RaiseKeyDown(keyCode, shift);
}

} // namespace qel
