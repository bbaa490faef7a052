#pragma once
#include "controls/core/push_button_base.h"

namespace qel {

// The latching button: the push button with its pushed flag made public and stored as Value.
// A left press (and the press of a double click) negates Value while enabled and raises
// Click; the release and the mouse leaving keep it. The keys are the push button's, so Space
// pushes on key down and lets go on key up: the keyboard does not latch. The face is the push
// button's, pushed exactly while Value is True.
//
// Members, in interface order: the push button's, with Value between DisabledBackColor and
// UnRefreshControl. Events: the push button's.
class qelToggleButton : public PushButtonBase {
public:
    std::string className() const override { return "qelToggleButton"; }

    // "Current value". Setting it repaints (pushed or not) and raises no event, whatever
    // Enabled holds and whether or not it changes.
    bool Value() const { return m_pushed; }
    void setValue(bool on) { Store(m_pushed, on); }

    static const auto& StoredProperties()
    {
        using T = qelToggleButton;
        static const auto table = ButtonProperties<false>(PropertiesOf<T>::property("Value", &T::Value, &T::setValue, false).pages());
        return table;
    }
    // A new instance paints once its initial values are set. Out of line, so that the table's
    // code and the class's virtual table are made once, in qel_toggle_button.cpp.
    void initProperties() override;
    void readProperties(plat::forms::PropertyBag& bag) override;
    void writeProperties(plat::forms::PropertyBag& bag) const override;

protected:
    void OnLeftPress() override { m_pushed = !m_pushed; }
    // A release changes nothing and repaints nothing: only the hover frame follows.
    void OnLeftRelease() override {}
    bool LeaveClearsPushed() const override { return false; }
};

} // namespace qel
