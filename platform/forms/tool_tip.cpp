#include "platform/forms/tool_tip.h"
#include "platform/forms/fonts.h"
#include "platform/forms/form.h"
#include "platform/gfx/device_context.h"
#include "platform/gfx/system_colors.h"
#include "platform/gfx/text_layout.h"
#include "platform/window/api.h"

namespace plat::forms {

using namespace plat::win;

namespace {

constexpr TimerId kShowTimer = 0x7FFF'0001;
constexpr TimerId kHideTimer = 0x7FFF'0002;
constexpr int kPadding = 3;

bool isButtonDown(UINT m)
{
    return m == WM_LBUTTONDOWN || m == WM_RBUTTONDOWN || m == WM_MBUTTONDOWN || m == WM_LBUTTONDBLCLK || m == WM_RBUTTONDBLCLK
        || m == WM_MBUTTONDBLCLK || m == WM_MOUSEWHEEL;
}

} // namespace

ToolTip::ToolTip(Form& form) : m_form(form) {}

ToolTip::~ToolTip()
{
    if (WindowSystem::current()) {
        hide();
        disarm();
    }
}

void ToolTip::observe(const MSG& msg)
{
    if (msg.message != WM_MOUSEMOVE && !isButtonDown(msg.message))
        return;
    HWND form = m_form.hwnd();
    Control* under = nullptr;
    if (form && msg.hwnd && sys().topLevelOf(msg.hwnd) == form) {
        // Under capture the message goes to the captor; the tip follows what is under the pointer.
        HWND at = WindowFromPoint(GetCursorPos());
        under = at && sys().topLevelOf(at) == form ? m_form.controlOf(at) : nullptr;
    }
    if (isButtonDown(msg.message)) {
        hide();
        disarm();
        m_control = under;
        m_suppressed = true;
        return;
    }
    if (under == m_control)
        return;
    hide();
    disarm();
    m_suppressed = false;
    m_control = under;
    if (under && !under->toolTipText().empty())
        arm(under);
}

void ToolTip::arm(Control* control)
{
    m_timerWindow = m_form.hwnd();
    SetTimer(m_timerWindow, kShowTimer, kShowDelayMs, [this, control](HWND, TimerId) {
        KillTimer(m_timerWindow, kShowTimer);
        if (m_control == control && !m_suppressed)
            showNow();
    });
}

void ToolTip::disarm()
{
    if (m_timerWindow && IsWindow(m_timerWindow)) {
        KillTimer(m_timerWindow, kShowTimer);
        KillTimer(m_timerWindow, kHideTimer);
    }
    m_timerWindow = 0;
}

void ToolTip::showNow()
{
    hide();
    if (!m_control || m_control->toolTipText().empty())
        return;
    m_text = m_control->toolTipText();
    FontDesc desc;
    gfx::Font font = openFont(desc);
    gfx::Surface scratch(1, 1);
    gfx::DeviceContext measure(scratch);
    measure.setFont(font);
    gfx::Rect textRect{0, 0, 0x7FFF, 0};
    measure.drawText(m_text, textRect, gfx::DT_NOPREFIX | gfx::DT_CALCRECT);
    int w = textRect.width() + 2 * kPadding + 2, h = textRect.height() + 2 * kPadding;
    gfx::Point at = GetCursorPos();
    gfx::Size screen = sys().screenSize();
    int x = std::clamp(at.x, 0, std::max(0, screen.width - w));
    int y = at.y + 20;
    if (y + h > screen.height)
        y = std::max(0, at.y - h - 2);
    // Made visible as it is created, so it never becomes the active window.
    m_window = CreateWindow("ToolTip", 0, gfx::Rect::fromSize(x, y, w, h), true, nullptr);
    SetFocusable(m_window, false);
    gfx::DeviceContext dc(WindowImage(m_window));
    gfx::Rect all = dc.surface().rect();
    dc.fillRect(all, gfx::systemColor(gfx::ColorInfoBk));
    dc.frameRect(all, gfx::systemColor(gfx::ColorInfoText));
    dc.setFont(font);
    dc.setTextColor(gfx::systemColor(gfx::ColorInfoText));
    dc.setBackMode(gfx::BackMode::Transparent);
    gfx::Rect inside{kPadding + 1, kPadding, all.right - kPadding, all.bottom - kPadding};
    dc.drawText(m_text, inside, gfx::DT_NOPREFIX);
    ImageChanged(m_window);
    m_timerWindow = m_form.hwnd();
    SetTimer(m_timerWindow, kHideTimer, kShowTimeMs, [this](HWND, TimerId) {
        KillTimer(m_timerWindow, kHideTimer);
        hide();
    });
}

void ToolTip::hide()
{
    if (m_window && IsWindow(m_window))
        DestroyWindow(m_window);
    m_window = 0;
}

} // namespace plat::forms
