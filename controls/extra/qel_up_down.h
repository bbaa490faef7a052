#pragma once
#include "controls/core/drawn_control.h"
#include "platform/forms/currency.h"
#include "platform/forms/property_bag.h"
#include <functional>
#include <string>

namespace qel {

// The spin control: two arrow buttons that split the control into halves (stacked with the
// decrease button on top, or side by side with it on the left) and step a fixed-point Value by
// SmallChange within Min and Max: once per press, repeated every MouseInterval ms while the left
// button stays on its button, by the arrow keys, Home and End, and by program. The wheel only
// reports MouseWheel.
//
// Members, in interface order: WindowProc, hDc, hwnd, BorderColor, ArrowColor, FrontColor,
// Enabled, Min, Max, Value, SmallChange, DownColor, MouseHoverColor, MouseInterval, Direction,
// UnRefreshControl, Refresh. Events: Change, KeyDown, KeyPress, KeyUp, MouseHover, MouseLeave,
// MouseWheel, MouseDown, MouseUp, MouseDblClick, MouseMove.
class qelUpDown : public DrawnControl {
public:
    using Currency = plat::forms::Currency;
    enum ArrowState : int32_t { ArrowNormal = 0, ArrowHover = 1, ArrowPressed = 2 };

    // Raised with the control's own Value storage: by the Value setter before the new value is
    // stored (holding the old one), and after every step.
    std::function<void(Currency& Value)> Change;

    qelUpDown();
    ~qelUpDown() override;
    std::string className() const override { return "qelUpDown"; }

    uint32_t BorderColor() const { return m_borderColor; }
    void setBorderColor(uint32_t c) { Store(m_borderColor, c); }
    uint32_t ArrowColor() const { return m_arrowColor; }
    void setArrowColor(uint32_t c) { Store(m_arrowColor, c); }
    uint32_t FrontColor() const { return m_frontColor; }
    void setFrontColor(uint32_t c) { Store(m_frontColor, c); }
    // Taken only when the current Min is not above Value, and a different value.
    Currency Min() const { return m_min; }
    void setMin(Currency v);
    // Taken only when the current Max is not below Value, and a different value.
    Currency Max() const { return m_max; }
    void setMax(Currency v);
    // An equal value does nothing; otherwise Change with the old value, then store and clamp.
    Currency Value() const { return m_value; }
    void setValue(Currency v);
    Currency SmallChange() const { return m_smallChange; }
    void setSmallChange(Currency v) { Store(m_smallChange, v); }
    uint32_t DownColor() const { return m_downColor; }
    void setDownColor(uint32_t c) { Store(m_downColor, c); }
    uint32_t MouseHoverColor() const { return m_mouseHoverColor; }
    void setMouseHoverColor(uint32_t c) { Store(m_mouseHoverColor, c); }
    // The repeat period of Timer1; no repaint. A period of 0 or less never ticks.
    int32_t MouseInterval() const { return m_mouseInterval; }
    void setMouseInterval(int32_t ms);
    // 1 stacked, any other value side by side.
    int32_t Direction() const { return m_direction; }
    void setDirection(int32_t v) { Store(m_direction, v); }

    // Draws the whole control; nothing while UnRefreshControl is True.
    void Refresh();

    // --- state, for hosts and tests ---
    ArrowState MinArrowState() const { return m_minArrowState; }
    ArrowState MaxArrowState() const { return m_maxArrowState; }
    bool RepeatTimerEnabled() const { return m_timer1Enabled; }

    void initProperties() override;
    void readProperties(plat::forms::PropertyBag& bag) override;
    void writeProperties(plat::forms::PropertyBag& bag) const override;

protected:
    void Redraw() override { Refresh(); }
    void HandleMessage(plat::win::UINT msg, plat::win::WPARAM wParam, plat::win::LPARAM lParam) override;
    void OnMouseButton(plat::win::UINT msg, MouseEventArgs& args) override;
    void OnMouseLeave() override;
    void OnResized() override;
    void onKeyDown(int& keyCode, int shift) override;
    void onRemoved() override;

private:
    void ClampValue();
    void RaiseChange();
    void SetTimer1(bool enabled);
    void Timer1Tick();
    bool Stacked() const { return m_direction == 1; }
    void DrawMinArrowLook();
    void DrawMaxArrowLook();
    void Box(double x1, double y1, double x2, double y2, plat::gfx::Color c);
    void Line(double x1, double y1, double x2, double y2, plat::gfx::Color c);

    uint32_t m_borderColor = 0;
    uint32_t m_arrowColor = 0;
    uint32_t m_frontColor = 0;
    Currency m_min;
    Currency m_max;
    Currency m_value;
    Currency m_smallChange;
    uint32_t m_downColor = 0;
    uint32_t m_mouseHoverColor = 0;
    int32_t m_mouseInterval = 0;
    int32_t m_direction = 0;

    ArrowState m_minArrowState = ArrowNormal;
    ArrowState m_maxArrowState = ArrowNormal;
    bool m_timer1Enabled = false;
    bool m_timer1Running = false;
    bool m_resizing = false;
};

} // namespace qel
