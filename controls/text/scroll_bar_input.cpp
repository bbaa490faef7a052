#include "controls/text/scroll_bar_base.h"
#include "platform/window/api.h"
#include "platform/window/virtual_keys.h"
#include <cmath>
#include <limits>

namespace qel {

using namespace plat::win;

// --- messages ---

void ScrollBarBase::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_MOUSEMOVE:
        OnMouseMove(wParam, lParam);
        break;
    case WM_MOUSEWHEEL:
        OnWheel(wParam);
        break;
    default:
        DrawnControl::HandleMessage(msg, wParam, lParam);
        break;
    }
}

void ScrollBarBase::OnMouseMove(WPARAM wParam, LPARAM lParam)
{
    // Hover and leave notices are asked for again on every move.
    TrackMouseEvent(m_track);
    MouseEventArgs args = mouseEventArgs(wParam, lParam);
    const int32_t p = PointerAlong(args);
    // The arrow looks, whatever the buttons and Enabled; each test sees what the one before left.
    if (m_minArrowState != ArrowNormal && !InMinArrow(p)) {
        m_minArrowState = ArrowNormal;
        Refresh();
    }
    if (m_maxArrowState != ArrowNormal && !InMaxArrow(p)) {
        m_maxArrowState = ArrowNormal;
        Refresh();
    }
    if (m_minArrowState == ArrowNormal && InMinArrow(p)) {
        m_minArrowState = ArrowHover;
        Refresh();
    }
    if (m_maxArrowState == ArrowNormal && InMaxArrow(p)) {
        m_maxArrowState = ArrowHover;
        Refresh();
    }
    args.Button = moveButton(wParam);
    if (args.Button == kButtonLeft) {
        // A drag goes on while the previous position lay on the (moving) thumb.
        if (m_thumbPos <= m_lastPointerPos && m_lastPointerPos <= m_thumbPos + m_thumbLength)
            DragThumb(p);
        if (ChangeOnMove())
            RaiseChange();
    }
    m_lastPointerPos = p;
    RaiseMouseEvent(WM_MOUSEMOVE, args);
}

void ScrollBarBase::DragThumb(int32_t pointer)
{
    if (Scroll)
        Scroll();
    m_thumbPos += pointer - m_lastPointerPos;
    ClampThumb();
    // With the thumb as long as the track (or longer) there is no room to drag in: Value stays.
    const double divisor = Along() - 510 - m_thumbLength;
    if (divisor > 0) {
        const __int128 product = __int128(m_thumbPos - 255) * __int128((m_max - m_min).scaled);
        double steps = std::floor(double(product) / double(Fixed::kScale) / divisor);
        const double limit = double(std::numeric_limits<int64_t>::max() / Fixed::kScale);
        steps = std::clamp(steps, -limit, limit);
        m_value = m_min + Whole(int64_t(steps));
        if (m_thumbPos == 270)
            m_value = m_min;
        if (m_thumbPos == Along() - 285 - m_thumbLength)
            m_value = m_max;
    }
    Refresh();
}

void ScrollBarBase::OnWheel(WPARAM wParam)
{
    int sens = wheelSens(wParam);
    const bool towardUser = sens == 1;
    if (MouseWheel)
        MouseWheel(sens);
    if (m_enableWheel)
        setValue(towardUser ? m_value + m_wheelChange : m_value - m_wheelChange);
    RaiseChange();
}

void ScrollBarBase::OnMouseButton(UINT msg, MouseEventArgs& args)
{
    switch (msg) {
    case WM_LBUTTONDOWN:
        OnLeftDown(PointerAlong(args));
        break;
    case WM_LBUTTONUP:
        OnLeftUp(PointerAlong(args));
        break;
    case WM_LBUTTONDBLCLK:
        OnLeftDoubleClick(PointerAlong(args));
        break;
    default:
        break;
    }
    RaiseMouseEvent(msg, args);
}

void ScrollBarBase::OnLeftDown(int32_t p)
{
    // The arrow steps do not depend on Enabled; only the paging does.
    if (m_minArrowState != ArrowNormal) {
        m_value = m_value - m_smallChange;
        m_minArrowState = ArrowPressed;
        m_timer1.setEnabled(true);
        UpdateThumb();
        RaiseChange();
    }
    if (m_maxArrowState != ArrowNormal) {
        m_value = m_value + m_smallChange;
        m_maxArrowState = ArrowPressed;
        m_timer1.setEnabled(true);
        UpdateThumb();
        RaiseChange();
    }
    if (!Enabled())
        return;
    if (InMinPage(p)) {
        m_value = m_value - m_largeChange;
        m_pageDirection = -1;
        UpdateThumb();
        RaiseChange();
    }
    if (InMaxPage(p)) {
        m_value = m_value + m_largeChange;
        m_pageDirection = 1;
        UpdateThumb();
        RaiseChange();
    }
    // The repeat starts only while the pointer still lies beside the thumb after the first step.
    if (InMinPage(p))
        m_timer2.setEnabled(true);
    if (InMaxPage(p))
        m_timer2.setEnabled(true);
}

void ScrollBarBase::OnLeftUp(int32_t p)
{
    m_pageDirection = 0;
    if (InMinPage(p))
        m_timer2.setEnabled(false);
    if (InMaxPage(p))
        m_timer2.setEnabled(false);
    Refresh();
    if (m_minArrowState == ArrowPressed) {
        m_minArrowState = ArrowHover;
        Refresh();
        m_timer1.setEnabled(false);
    }
    if (m_maxArrowState == ArrowPressed) {
        m_maxArrowState = ArrowHover;
        Refresh();
        m_timer1.setEnabled(false);
    }
}

void ScrollBarBase::OnLeftDoubleClick(int32_t p)
{
    if (m_minArrowState == ArrowHover) {
        m_value = m_value - m_smallChange;
        m_minArrowState = ArrowPressed;
    }
    if (m_maxArrowState == ArrowHover) {
        m_value = m_value + m_smallChange;
        m_maxArrowState = ArrowPressed;
    }
    if (Enabled()) {
        // Both tests on the thumb as it stands before either step.
        const bool towardMin = InMinPage(p);
        const bool towardMax = InMaxPage(p);
        if (towardMin) {
            m_value = m_value - m_largeChange;
            m_pageDirection = -1;
        }
        if (towardMax) {
            m_value = m_value + m_largeChange;
            m_pageDirection = 1;
        }
    }
    UpdateThumb();
    RaiseChange();
}

void ScrollBarBase::OnMouseLeave()
{
    if (MouseLeave)
        MouseLeave();
    m_mouseInside = false;
    m_minArrowState = ArrowNormal;
    m_maxArrowState = ArrowNormal;
    // The first leave of the bar's life only takes note.
    if (m_leaveSeen)
        Refresh();
    else
        m_leaveSeen = true;
}

// --- keys ---

void ScrollBarBase::onKeyDown(int& keyCode, int shift)
{
    if (!Enabled())
        return;
    bool step = true;
    switch (keyCode) {
    case VK_LEFT:
    case VK_UP:
        m_value = m_value - m_smallChange;
        break;
    case VK_RIGHT:
    case VK_DOWN:
        m_value = m_value + m_smallChange;
        break;
    case VK_PRIOR:
        m_value = m_value - m_largeChange;
        break;
    case VK_NEXT:
        m_value = m_value + m_largeChange;
        break;
    case VK_END:
        m_value = m_max;
        break;
    case VK_HOME:
        m_value = m_min;
        break;
    default:
        step = false;
        break;
    }
    if (step) {
        UpdateThumb();
        RaiseChange();
    }
    RaiseKeyDown(keyCode, shift);
}

// --- auto-repeat ---

void ScrollBarBase::Timer1Tick()
{
    if (!Enabled())
        return;
    if (m_minArrowState == ArrowPressed)
        m_value = m_value - m_smallChange;
    else if (m_maxArrowState == ArrowPressed)
        m_value = m_value + m_smallChange;
    else
        return;
    UpdateThumb();
    RaiseChange();
}

void ScrollBarBase::Timer2Tick()
{
    if (!Enabled() || m_pageDirection == 0)
        return;
    if (m_pageDirection == 1)
        m_value = m_value + m_largeChange;
    else if (m_pageDirection == -1)
        m_value = m_value - m_largeChange;
    UpdateThumb();
    RaiseChange();
    if (m_value == m_max || m_value == m_min)
        m_timer2.setEnabled(false);
}

} // namespace qel
