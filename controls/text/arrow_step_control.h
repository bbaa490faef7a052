#pragma once
#include "controls/core/drawn_control.h"
#include "controls/text/fixed_point.h"
#include "controls/text/window_timer.h"
#include <cstdint>
#include <functional>

namespace qel {

// Look and press state of an arrow button.
enum ArrowState : int32_t { ArrowNormal = 0, ArrowHover = 1, ArrowPressed = 2 };

// What the scroll bars and the spin control share: a fixed-point Value between Min and Max that
// two arrow buttons step by SmallChange (the one at the Min end lowers it, the one at the Max end
// raises it): once per left press, once per double-click, repeated by Timer1 every MouseInterval
// ms while the left button holds a button down, and by the arrow keys, Home and End. Also the
// colours of the frame, the glyphs, the button faces and the button looks.
//
// A deriving control tells where its buttons lie, how Value settles after a step or a new bound
// (clamped, the control repainted) and how it draws.
class ArrowStepControl : public DrawnControl {
public:
    using enum ArrowState;

    // Raised with the control's own Value storage: a handler that assigns to it changes Value.
    std::function<void(Fixed& Value)> Change;
    // For the control that carries the bar: called after a Value Let has stored and settled the
    // new value (Change comes before it, with the old one).
    std::function<void()> ValueAssigned;

    ~ArrowStepControl() override;

    uint32_t BorderColor() const { return m_borderColor; }
    void setBorderColor(uint32_t c) { Store(m_borderColor, c); }
    uint32_t ArrowColor() const { return m_arrowColor; }
    void setArrowColor(uint32_t c) { Store(m_arrowColor, c); }
    uint32_t FrontColor() const { return m_frontColor; }
    void setFrontColor(uint32_t c) { Store(m_frontColor, c); }
    // Taken only when the current Min is not above Value, and a different value.
    Fixed Min() const { return m_min; }
    void setMin(Fixed v);
    // Taken only when the current Max is not below Value, and a different value.
    Fixed Max() const { return m_max; }
    virtual void setMax(Fixed v);
    // An equal value does nothing; otherwise Change with the old value, then store and settle.
    Fixed Value() const { return m_value; }
    virtual void setValue(Fixed v);
    // True while a Value Let raises its Change, which carries the value from before the Let.
    bool AssigningValue() const { return m_assigningValue; }
    Fixed SmallChange() const { return m_smallChange; }
    void setSmallChange(Fixed v) { Store(m_smallChange, v); }
    uint32_t DownColor() const { return m_downColor; }
    void setDownColor(uint32_t c) { Store(m_downColor, c); }
    uint32_t MouseHoverColor() const { return m_mouseHoverColor; }
    void setMouseHoverColor(uint32_t c) { Store(m_mouseHoverColor, c); }
    // The repeat period, milliseconds; no repaint. A period of 0 or less never ticks.
    int32_t MouseInterval() const { return m_mouseInterval; }
    virtual void setMouseInterval(int32_t ms);

    // --- state, for hosts and tests ---
    ArrowState MinArrowState() const { return m_minArrowState; }
    ArrowState MaxArrowState() const { return m_maxArrowState; }
    const WindowTimer& Timer1() const { return m_timer1; }

protected:
    ArrowStepControl();

    // Clamps Value into Min..Max (ending at Min when Min is above Max) and repaints.
    virtual void SettleValue() = 0;
    // Whether the pointer of a mouse message lies on the Min-end or the Max-end button (at a
    // shared edge both may).
    virtual bool OnMinArrow(const MouseEventArgs& args) const = 0;
    virtual bool OnMaxArrow(const MouseEventArgs& args) const = 0;
    // A mouse move after the buttons' looks followed it, before MouseMove is raised.
    virtual void OnPointerMoved(MouseEventArgs&) {}
    // The key's step of Value, unsettled; false for a key that does not step. Here the arrow
    // keys (Left and Up toward Min), Home and End.
    virtual bool StepByKey(int keyCode);

    // The Value Let's common part: Change with the old value (unless `silent`), the new value
    // stored unclamped, SettleValue.
    void AssignValue(Fixed v, bool silent);
    void RaiseChange();
    // Value into Min..Max, nothing else.
    void ClampToBounds();

    // Each button's look follows the pointer; every change repaints.
    void TrackArrows(const MouseEventArgs& args);
    // A left press: each button not normal steps once, turns pressed and starts the repeat
    // (Enabled is not consulted).
    void PressArrows();
    // A left release: a pressed button returns to hover, and the repeat stops.
    void ReleaseArrows();
    // A double-click: each hovered button turns pressed and steps Value, unsettled; the repeat
    // is not touched.
    void DoubleClickArrows();

    void onPlaced() override;
    void HandleMessage(plat::win::UINT msg, plat::win::WPARAM wParam, plat::win::LPARAM lParam) override;
    // Press, release and double-click of the buttons; a double-click settles and raises one
    // Change whether or not a button stepped.
    void OnMouseButton(plat::win::UINT msg, MouseEventArgs& args) override;
    // Both buttons normal; the first leave of the control's life only takes note, every later
    // one repaints.
    void OnMouseLeave() override;
    // Only while Enabled: the key's step, SettleValue and Change (also when Value did not move),
    // then KeyDown for every key.
    void onKeyDown(int& keyCode, int shift) override;

    Fixed m_min{};
    Fixed m_max{};
    Fixed m_value{};
    bool m_assigningValue = false;
    // All of it 0 until the properties are set or read.
    uint32_t m_borderColor = 0;
    uint32_t m_arrowColor = 0;
    uint32_t m_frontColor = 0;
    Fixed m_smallChange{};
    uint32_t m_downColor = 0;
    uint32_t m_mouseHoverColor = 0;
    int32_t m_mouseInterval = 0;

    ArrowState m_minArrowState = ArrowNormal;
    ArrowState m_maxArrowState = ArrowNormal;
    WindowTimer m_timer1;

private:
    // Only while Enabled: a pressed button steps once more.
    void Timer1Tick();
};

} // namespace qel
