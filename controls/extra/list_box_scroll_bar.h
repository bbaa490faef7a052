#pragma once
#include "platform/forms/currency.h"
#include "platform/gfx/device_context.h"
#include "platform/window/types.h"
#include <functional>

namespace qel {

// The vertical bar the list box carries along its right edge, as a child window of the list's
// window: arrow buttons at both ends, the track and a thumb; the arrows step Value by SmallChange,
// the track pages by LargeChange, the wheel by WheelChange, dragging the thumb raises Scroll.
// It stands in for the control set's embedded vertical bar with the members the list box uses
// and that bar's rules for them: Value Let (an equal value nothing, else Change with the old
// value, then store and clamp), Max Let without a test against Value, Min Let ignored while the
// current Min is above Value, Enabled Let only on a change, UnRefreshControl stopping all drawing,
// and no mouse input before LaunchKeyMouseEvents.
class ListBoxScrollBar {
public:
    using Currency = plat::forms::Currency;

    std::function<void(Currency& Value)> Change;
    std::function<void()> Scroll;

    ListBoxScrollBar();
    ~ListBoxScrollBar();
    ListBoxScrollBar(const ListBoxScrollBar&) = delete;
    ListBoxScrollBar& operator=(const ListBoxScrollBar&) = delete;

    // Makes the bar's window inside `parent` (pixels); Destroy takes it away again.
    void Create(plat::win::HWND parent);
    void Destroy();
    plat::win::HWND hwnd() const { return m_hwnd; }
    // Mouse input starts here.
    void LaunchKeyMouseEvents() { m_launched = true; }

    bool UnRefreshControl() const { return m_unRefreshControl; }
    void setUnRefreshControl(bool v) { m_unRefreshControl = v; }
    Currency Min() const { return m_min; }
    void setMin(Currency v);
    Currency Max() const { return m_max; }
    void setMax(Currency v);
    Currency Value() const { return m_value; }
    void setValue(Currency v);
    bool Enabled() const { return m_enabled; }
    void setEnabled(bool v);
    bool Visible() const;
    void setVisible(bool v);
    Currency SmallChange() const { return m_smallChange; }
    void setSmallChange(Currency v) { m_smallChange = v; }
    Currency LargeChange() const { return m_largeChange; }
    void setLargeChange(Currency v) { m_largeChange = v; }
    Currency WheelChange() const { return m_wheelChange; }
    void setWheelChange(Currency v) { m_wheelChange = v; }
    // Percent of the track the thumb takes.
    int ScrollHeight() const { return m_scrollHeight; }
    void setScrollHeight(int v) { m_scrollHeight = v; }
    // Twips, relative to the parent window.
    void Move(double left, double top, double width, double height);
    void Refresh();

private:
    plat::win::LRESULT Proc(plat::win::HWND h, plat::win::UINT msg, plat::win::WPARAM wParam, plat::win::LPARAM lParam);
    void UpdateThumb();
    void Step(int64_t scaledDelta);
    int Height() const; // twips
    int Width() const;

    plat::win::HWND m_hwnd = 0;
    bool m_launched = false;
    bool m_unRefreshControl = true;
    Currency m_min, m_max, m_value;
    Currency m_smallChange = Currency::fromInteger(1);
    Currency m_largeChange = Currency::fromInteger(10);
    Currency m_wheelChange = Currency::fromInteger(3);
    bool m_enabled = true;
    int m_scrollHeight = 10;
    int m_thumbPos = 270;
    int m_thumbLength = 0;
    bool m_dragging = false;
    int m_lastY = 0;
};

} // namespace qel
