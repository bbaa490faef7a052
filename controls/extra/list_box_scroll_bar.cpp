#include "controls/extra/list_box_scroll_bar.h"
#include "controls/core/mouse_event_args.h"
#include "platform/window/api.h"
#include "platform/window/twips.h"
#include <algorithm>
#include <cmath>

namespace qel {

using namespace plat;
using namespace plat::win;
using Currency = plat::forms::Currency;

namespace {
constexpr gfx::Color kBorder = 0xFF8080, kBack = 0xFFFFFF, kFront = 0xF0D0BF, kArrow = 0xFFFFFF, kGrey = 0x99A8AC;
int px(double twips) { return int(roundHalfEven(twips / kTwipsPerPixel)); }
} // namespace

ListBoxScrollBar::ListBoxScrollBar() = default;
ListBoxScrollBar::~ListBoxScrollBar() { Destroy(); }

void ListBoxScrollBar::Create(HWND parent)
{
    m_hwnd = CreateWindow("qelListBox.VS", parent, {0, 0, 17, 60}, true,
        makeWndProc([this](HWND h, UINT m, WPARAM w, LPARAM l) { return Proc(h, m, w, l); }));
}

void ListBoxScrollBar::Destroy()
{
    if (m_hwnd && WindowSystem::current() && IsWindow(m_hwnd))
        DestroyWindow(m_hwnd);
    m_hwnd = 0;
}

int ListBoxScrollBar::Height() const { return m_hwnd ? int(twipsFromPixels(GetWindowRect(m_hwnd).height())) : 0; }
int ListBoxScrollBar::Width() const { return m_hwnd ? int(twipsFromPixels(GetWindowRect(m_hwnd).width())) : 0; }

void ListBoxScrollBar::setMin(Currency v)
{
    if (!(m_min <= m_value) || v == m_min)
        return;
    m_min = v;
    UpdateThumb();
}

void ListBoxScrollBar::setMax(Currency v)
{
    if (v == m_max)
        return;
    m_max = v;
    UpdateThumb();
}

void ListBoxScrollBar::setValue(Currency v)
{
    if (v == m_value)
        return;
    if (Change)
        Change(m_value);
    m_value = v;
    UpdateThumb();
}

void ListBoxScrollBar::setEnabled(bool v)
{
    if (v == m_enabled)
        return;
    m_enabled = v;
    Refresh();
}

bool ListBoxScrollBar::Visible() const { return m_hwnd && IsWindowVisible(m_hwnd); }

void ListBoxScrollBar::setVisible(bool v)
{
    if (m_hwnd)
        ShowWindow(m_hwnd, v);
}

void ListBoxScrollBar::Move(double left, double top, double width, double height)
{
    if (m_hwnd)
        MoveWindow(m_hwnd, px(left), px(top), std::max(0, px(width)), std::max(0, px(height)));
    UpdateThumb();
}

void ListBoxScrollBar::UpdateThumb()
{
    if (m_value > m_max)
        m_value = m_max;
    if (m_value < m_min)
        m_value = m_min;
    const int H = Height();
    m_thumbLength = m_scrollHeight * (H - 510) / 100;
    if (m_max != m_min) {
        const double f = double(m_value.scaled - m_min.scaled) / double(m_max.scaled - m_min.scaled);
        const int raw = int(std::floor(std::fabs((H - 510 - m_thumbLength) * f))) + 255;
        m_thumbPos = (raw + 14) / 15 * 15;
    }
    if (m_thumbPos <= 270)
        m_thumbPos = 270;
    if (m_thumbPos >= H - 285 - m_thumbLength)
        m_thumbPos = H - 285 - m_thumbLength;
    Refresh();
}

void ListBoxScrollBar::Refresh()
{
    if (m_unRefreshControl || !m_hwnd)
        return;
    gfx::Surface& img = WindowImage(m_hwnd);
    if (img.isEmpty())
        return;
    gfx::DeviceContext dc(img);
    const int W = Width(), H = Height();
    auto box = [&](double x1, double y1, double x2, double y2, gfx::Color c) { dc.fillRect({px(x1), px(y1), px(x2) + 1, px(y2) + 1}, c); };
    box(0, 0, W, H, kBorder);
    box(15, 15, W - 30, H - 30, kBack);
    box(15, 15, W - 30, 255, kFront);
    box(15, H - 285, W - 30, H - 30, kFront);
    dc.setForeColor(kBorder);
    dc.line(0, px(270), px(W), px(270));
    dc.line(0, px(H - 285), px(W), px(H - 285));
    dc.setForeColor(m_enabled ? kArrow : kGrey);
    const double b = roundHalfEven((W - 255) / 2.0 + 15);
    for (int k = 0; k < 4; ++k) {
        const double from = b + 105 - 15 * k, to = b + 120 + 15 * k;
        dc.line(px(from), px(90 + 15 * k), px(to), px(90 + 15 * k));
        dc.line(px(from), px(H - 105 - 15 * k), px(to), px(H - 105 - 15 * k));
    }
    if (m_enabled) {
        box(15, m_thumbPos, W - 30, m_thumbPos + m_thumbLength, kBorder);
        box(15, m_thumbPos + 15, W - 30, m_thumbPos + m_thumbLength - 15, kFront);
    }
    ImageChanged(m_hwnd);
}

void ListBoxScrollBar::Step(int64_t delta)
{
    m_value = Currency::fromScaled(m_value.scaled + delta);
    UpdateThumb();
    if (Change)
        Change(m_value);
}

LRESULT ListBoxScrollBar::Proc(HWND h, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (!m_launched)
        return DefWindowProc(h, msg, wParam, lParam);
    const MouseEventArgs a = mouseEventArgs(wParam, lParam);
    const int H = Height();
    switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (a.y <= 255)
            Step(-m_smallChange.scaled);
        else if (a.y >= H - 270)
            Step(m_smallChange.scaled);
        else if (m_enabled && a.y < m_thumbPos)
            Step(-m_largeChange.scaled);
        else if (m_enabled && a.y > m_thumbPos + m_thumbLength)
            Step(m_largeChange.scaled);
        m_lastY = a.y;
        m_dragging = a.y >= m_thumbPos && a.y <= m_thumbPos + m_thumbLength;
        break;
    case WM_MOUSEMOVE:
        if ((wParam & MK_LBUTTON) && m_dragging && H - 510 - m_thumbLength > 0) {
            if (Scroll)
                Scroll();
            m_thumbPos = std::clamp(m_thumbPos + a.y - m_lastY, 270, H - 285 - m_thumbLength);
            const double f = double(m_thumbPos - 255) / (H - 510 - m_thumbLength);
            m_value = Currency::fromScaled(m_min.scaled + int64_t(std::floor(f * double(m_max.scaled - m_min.scaled) / 10000)) * 10000);
            if (m_thumbPos == 270)
                m_value = m_min;
            if (m_thumbPos == H - 285 - m_thumbLength)
                m_value = m_max;
            Refresh();
        }
        m_lastY = a.y;
        break;
    case WM_LBUTTONUP:
        m_dragging = false;
        break;
    case WM_MOUSEWHEEL:
        setValue(Currency::fromScaled(m_value.scaled + (wheelSens(wParam) ? 1 : -1) * m_wheelChange.scaled));
        if (Change)
            Change(m_value);
        break;
    default:
        break;
    }
    return DefWindowProc(h, msg, wParam, lParam);
}

} // namespace qel
