#pragma once
#include "controls/core/property_table.h"
#include "controls/text/arrow_step_control.h"
#include "platform/forms/property_bag.h"
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
class qelUpDown : public ArrowStepControl {
public:
    using Currency = plat::forms::Currency;

    qelUpDown();
    ~qelUpDown() override;
    std::string className() const override { return "qelUpDown"; }

    // 1 stacked, any other value side by side.
    int32_t Direction() const { return m_direction; }
    void setDirection(int32_t v) { Store(m_direction, v); }

    // Draws the whole control; nothing while UnRefreshControl is True.
    void Refresh();

    static const auto& StoredProperties();
    void initProperties() override;
    void readProperties(plat::forms::PropertyBag& bag) override;
    void writeProperties(plat::forms::PropertyBag& bag) const override;

protected:
    void Redraw() override { Refresh(); }
    void SettleValue() override { ClampValue(); }
    // The buttons split the control into halves; at the midpoint the pointer is on both.
    bool OnMinArrow(const MouseEventArgs& args) const override { return PointerAlong(args) <= Midpoint(); }
    bool OnMaxArrow(const MouseEventArgs& args) const override { return PointerAlong(args) >= Midpoint(); }
    void OnResized() override;

private:
    void ClampValue();
    bool Stacked() const { return m_direction == 1; }
    // Along the split: the pointer's coordinate, and the middle of the control rounded.
    double PointerAlong(const MouseEventArgs& args) const { return Stacked() ? args.y : args.x; }
    double Midpoint() const { return N((Stacked() ? SH() : SW()) / 2); }
    void DrawMinArrowLook();
    void DrawMaxArrowLook();
    void Box(double x1, double y1, double x2, double y2, plat::gfx::Color c);
    void Line(double x1, double y1, double x2, double y2, plat::gfx::Color c);

    int32_t m_direction{};
    bool m_resizing = false;
};

// In the order they are written; reading and a new control follow it. Max before Min before
// Value: each bound is taken only while Value lies within the current one.
inline const auto& qelUpDown::StoredProperties()
{
    using U = qelUpDown;
    using P = PropertiesOf<U>;
    using Currency = plat::forms::Currency;
    static const auto table = propertyTable(P::property("ArrowColor", &U::ArrowColor, &U::setArrowColor, 0xFFFFFFu),
        P::property("BorderColor", &U::BorderColor, &U::setBorderColor, 0xFF8080u),
        P::property("Enabled", &U::Enabled, &U::setEnabled, true).pages(),
        P::property("FrontColor", &U::FrontColor, &U::setFrontColor, 0xF0D0BFu),
        P::property("Max", &U::Max, &U::setMax, Currency::fromInteger(100)).pages(),
        P::property("Min", &U::Min, &U::setMin, Currency::fromInteger(0)).pages(),
        P::property("SmallChange", &U::SmallChange, &U::setSmallChange, Currency::fromInteger(1)).pages(),
        P::property("Value", &U::Value, &U::setValue, Currency::fromInteger(50)).pages(),
        P::property("MouseHoverColor", &U::MouseHoverColor, &U::setMouseHoverColor, 0xFFFFFFu),
        P::property("DownColor", &U::DownColor, &U::setDownColor, 0xBE9E8Du),
        P::property("MouseInterval", &U::MouseInterval, &U::setMouseInterval, 100).pages(),
        P::property("Direction", &U::Direction, &U::setDirection, 1).pages(),
        P::property("UnRefreshControl", &U::UnRefreshControl, &U::setUnRefreshControl, false));
    return table;
}

} // namespace qel
