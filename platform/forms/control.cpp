#include "platform/forms/control.h"
#include "platform/forms/form.h"
#include "platform/forms/property_bag.h"
#include "platform/window/api.h"
#include "platform/window/twips.h"

namespace plat::forms {

using namespace plat::win;

Control::~Control() = default;

gfx::Rect Control::pixelRect() const
{
    int l = pixelsFromTwips(m_left);
    int t = pixelsFromTwips(m_top);
    int w = std::max(0, pixelsFromTwips(m_width));
    int h = std::max(0, pixelsFromTwips(m_height));
    return gfx::Rect::fromSize(l, t, w, h);
}

void Control::move(double left, double top, double width, double height)
{
    m_left = left;
    m_top = top;
    m_width = std::max(0.0, width);
    m_height = std::max(0.0, height);
    if (m_hwnd) {
        gfx::Rect r = pixelRect();
        MoveWindow(m_hwnd, r.left, r.top, r.width(), r.height());
    }
}

void Control::setVisible(bool visible)
{
    m_visible = visible;
    if (m_hwnd)
        ShowWindow(m_hwnd, visible);
}

void Control::setEnabled(bool enabled)
{
    m_enabled = enabled;
    if (m_hwnd)
        EnableWindow(m_hwnd, enabled);
}

void Control::setTabIndex(int tabIndex)
{
    m_tabIndex = tabIndex;
    if (m_hwnd)
        SetTabStop(m_hwnd, m_tabStop && canTakeFocus(), m_tabIndex);
}

void Control::setTabStop(bool tabStop)
{
    m_tabStop = tabStop;
    if (m_hwnd)
        SetTabStop(m_hwnd, m_tabStop && canTakeFocus(), m_tabIndex);
}

void Control::setFocus()
{
    if (m_hwnd && canTakeFocus() && IsWindowVisible(m_hwnd) && IsWindowEnabled(m_hwnd))
        SetFocus(m_hwnd);
}

void Control::zOrder(int position)
{
    if (!m_hwnd)
        return;
    if (position == 0)
        BringWindowToTop(m_hwnd);
    else
        SendWindowToBack(m_hwnd);
}

HWND Control::createWindow(HWND parent, const gfx::Rect& pixels)
{
    return CreateWindow(className(), parent, pixels, false, ownProcedure());
}

LRESULT Control::windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProc(hwnd, msg, wParam, lParam);
}

WndProc Control::ownProcedure()
{
    return makeWndProc([this](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
        if (m == WM_DESTROY && h == m_hwnd) {
            LRESULT r = windowProc(h, m, w, l);
            m_hwnd = 0;
            return r;
        }
        return windowProc(h, m, w, l);
    });
}

void Control::place(Form& form, const Placement& placement)
{
    m_form = &form;
    m_name = placement.name;
    m_index = placement.index;
    m_container = placement.container;
    if (hasWindow()) {
        HWND parent = m_container ? m_container->clientWindow() : form.hwnd();
        m_hwnd = createWindow(parent, pixelRect());
        if (m_hwnd) {
            ShowWindow(m_hwnd, m_visible);
            if (!m_enabled)
                EnableWindow(m_hwnd, false);
            SetFocusable(m_hwnd, canTakeFocus());
            SetTabStop(m_hwnd, m_tabStop && canTakeFocus(), m_tabIndex);
        }
    }
    onPlaced();
}

void Control::unplace()
{
    if (m_hwnd && WindowSystem::current())
        DestroyWindow(m_hwnd);
    m_hwnd = 0;
    onRemoved();
}

void Control::applyExtender(const PropertyBag& e, int defaultTabIndex)
{
    move(e.readProperty("Left", 0.0), e.readProperty("Top", 0.0), e.readProperty("Width", 1215.0), e.readProperty("Height", 495.0));
    setVisible(e.readProperty("Visible", true));
    setEnabled(e.readProperty("Enabled", true));
    setTag(e.readProperty("Tag", ""));
    setToolTipText(e.readProperty("ToolTipText", ""));
    m_tabStop = e.readProperty("TabStop", true);
    setTabIndex(e.readProperty("TabIndex", defaultTabIndex));
}

void Control::writeExtender(PropertyBag& e, int defaultTabIndex) const
{
    // Position and size are always kept, so a layout file shows where everything is.
    e.writeProperty("Left", m_left, -1.0e300);
    e.writeProperty("Top", m_top, -1.0e300);
    e.writeProperty("Width", m_width, -1.0e300);
    e.writeProperty("Height", m_height, -1.0e300);
    e.writeProperty("Visible", m_visible, true);
    e.writeProperty("Enabled", enabled(), true);
    e.writeProperty("Tag", m_tag, "");
    e.writeProperty("ToolTipText", m_toolTipText, "");
    e.writeProperty("TabIndex", m_tabIndex, defaultTabIndex);
    e.writeProperty("TabStop", m_tabStop, true);
}

} // namespace plat::forms
