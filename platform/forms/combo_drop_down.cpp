#include "platform/forms/combo_drop_down.h"
#include "platform/gfx/system_colors.h"
#include "platform/window/api.h"
#include "platform/window/virtual_keys.h"

namespace plat::forms {

using namespace plat::win;

ComboDropDown::ComboDropDown(ListEntries& entries)
    : m_entries(entries)
    , m_panel(entries)
{
    m_panel.setShowFocusFrame(false);
    m_panel.setFocused(true);
    m_panel.onRedraw = [this] { redraw(); };
}

ComboDropDown::~ComboDropDown()
{
    onChoose = nullptr;
    onCancel = nullptr;
    if (WindowSystem::current())
        close();
}

void ComboDropDown::open(const gfx::Rect& comboScreenRect, int highlighted, const gfx::Font& font, gfx::Color fore, gfx::Color back)
{
    close();
    m_panel.setFont(font);
    m_panel.setColors(fore, back);
    int rows = std::clamp(m_entries.count(), 1, kMaxRows);
    int height = rows * m_panel.rowHeight() + 2;
    gfx::Size screen = sys().screenSize();
    int top = comboScreenRect.bottom;
    if (top + height > screen.height && comboScreenRect.top - height >= 0)
        top = comboScreenRect.top - height;
    gfx::Rect r = gfx::Rect::fromSize(comboScreenRect.left, top, comboScreenRect.width(), height);
    m_hwnd = CreateWindow("ComboLBox", 0, r, false,
        makeWndProc([this](HWND h, UINT m, WPARAM w, LPARAM l) { return windowProc(h, m, w, l); }));
    SetFocusable(m_hwnd, false);
    m_panel.attach(m_hwnd);
    m_panel.setRect({1, 1, r.width() - 1, r.height() - 1});
    m_panel.entriesCleared();
    m_panel.setListIndex(highlighted);
    if (highlighted < 0)
        m_entries.selectOnly(-1);
    m_pressOnBar = false;
    ShowWindow(m_hwnd, true);
    BringWindowToTop(m_hwnd);
    SetCapture(m_hwnd);
    redraw();
}

void ComboDropDown::close()
{
    if (!m_hwnd)
        return;
    HWND h = m_hwnd;
    m_closing = true;
    m_hwnd = 0;
    m_panel.detach();
    if (GetCapture() == h)
        ReleaseCapture();
    DestroyWindow(h);
    m_closing = false;
}

bool ComboDropDown::keyDown(int vk)
{
    if (!m_hwnd)
        return false;
    switch (vk) {
    case VK_UP:
    case VK_DOWN:
    case VK_HOME:
    case VK_END:
    case VK_PRIOR:
    case VK_NEXT:
        m_panel.keyDown(vk, 0);
        redraw();
        return true;
    default:
        return false;
    }
}

bool ComboDropDown::wheel(int delta)
{
    if (!m_hwnd || !m_panel.wheel(delta))
        return false;
    redraw();
    return true;
}

void ComboDropDown::redraw()
{
    if (m_hwnd)
        InvalidateRect(m_hwnd);
}

void ComboDropDown::paintNow()
{
    if (!m_hwnd)
        return;
    gfx::Surface& s = WindowImage(m_hwnd);
    gfx::DeviceContext dc(s);
    dc.frameRect(s.rect(), gfx::systemColor(gfx::ColorWindowFrame));
    m_panel.draw(dc);
    ImageChanged(m_hwnd);
}

LRESULT ComboDropDown::windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    gfx::Point p{loWordSigned(lParam), hiWordSigned(lParam)};
    gfx::Rect r = GetWindowRect(hwnd);
    bool inside = p.x >= 0 && p.y >= 0 && p.x < r.width() && p.y < r.height();
    switch (msg) {
    case WM_PAINT:
        paintNow();
        return DefWindowProc(hwnd, msg, wParam, lParam);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
        if (!inside) {
            close();
            if (onCancel)
                onCancel();
            return 0;
        }
        m_pressOnBar = m_panel.onScrollBar(p);
        if (m_pressOnBar)
            m_panel.mouseDown(p, 0);
        else
            m_panel.hotTrack(p);
        redraw();
        return 0;
    case WM_MOUSEMOVE:
        if (m_panel.scrollBarTracking())
            m_panel.mouseMove(p, true);
        else if (inside)
            m_panel.hotTrack(p);
        redraw();
        return 0;
    case WM_LBUTTONUP:
        if (m_pressOnBar || m_panel.scrollBarTracking()) {
            m_pressOnBar = false;
            m_panel.mouseUp();
            redraw();
            return 0;
        }
        if (inside && m_panel.rowAt(p) >= 0) {
            int chosen = m_panel.rowAt(p);
            close();
            if (onChoose)
                onChoose(chosen);
        }
        return 0;
    case WM_MOUSEWHEEL:
        wheel(hiWordSigned(LPARAM(wParam)));
        return 0;
    case WM_CAPTURECHANGED:
        // Someone else took the mouse: the list goes.
        if (!m_closing && m_hwnd == hwnd && LPARAM(hwnd) != lParam) {
            close();
            if (onCancel)
                onCancel();
        }
        return 0;
    case WM_DESTROY:
        if (m_hwnd == hwnd) {
            m_hwnd = 0;
            m_panel.detach();
        }
        return 0;
    default:
        return DefWindowProc(hwnd, msg, wParam, lParam);
    }
}

} // namespace plat::forms
