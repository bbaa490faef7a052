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
    if (msg == WM_MOUSEWHEEL)
        OnWheel(wParam);
    else
        ArrowStepControl::HandleMessage(msg, wParam, lParam);
}

void ScrollBarBase::OnPointerMoved(MouseEventArgs& args)
{
    const int32_t p = PointerAlong(args);
    if (args.Button == kButtonLeft) {
        // A drag goes on while the previous position lay on the (moving) thumb.
        if (m_thumbPos <= m_lastPointerPos && m_lastPointerPos <= m_thumbPos + m_thumbLength)
            DragThumb(p);
        if (ChangeOnMove())
            RaiseChange();
    }
    m_lastPointerPos = p;
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
    PressArrows();
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
    ReleaseArrows();
}

void ScrollBarBase::OnLeftDoubleClick(int32_t p)
{
    DoubleClickArrows();
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

// --- keys ---

bool ScrollBarBase::StepByKey(int keyCode)
{
    switch (keyCode) {
    case VK_PRIOR:
        m_value = m_value - m_largeChange;
        return true;
    case VK_NEXT:
        m_value = m_value + m_largeChange;
        return true;
    default:
        return ArrowStepControl::StepByKey(keyCode);
    }
}

// --- auto-repeat ---

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
