#pragma once
#include "controls/core/choice_control.h"
#include <cstdint>
#include <functional>

namespace qel {

// The option button. Buttons exclude each other by Group (0-255) across the whole form,
// whatever container each sits in: selecting one (left press, the press of a double click,
// Space, or Value set to 1 by the host) clears every other option button of the form with the
// same Group. Only a selection by the user raises Change.
class qelOptionButton : public ChoiceControl {
public:
    // Value is the button's own, by reference.
    std::function<void(int& Value)> Change;

    qelOptionButton();
    std::string className() const override { return "qelOptionButton"; }

    // 1 clears the others of the group; 0 clears only this one (a group may have no selection).
    void setValue(int value) override;
    int Group() const { return m_group; }
    // Only stores. A number outside 0-255 is refused (std::out_of_range).
    void setGroup(int group);
    // The window of the form or frame the button sits in.
    plat::win::HWND ContainerHwnd() const;

    static const auto& StoredProperties();
    void initProperties() override;
    void readProperties(plat::forms::PropertyBag& bag) override;
    void writeProperties(plat::forms::PropertyBag& bag) const override;

protected:
    void Activate() override;

private:
    // Every other option button of the form in this Group gets Value 0; this one keeps 1.
    void ClearGroup();
    // A newly placed button joins the group of another button in its container, or takes
    // the lowest free group number.
    void ChooseGroup();

    // Group is stored as a byte; a new button chooses its own (ChooseGroup).
    static const auto& GroupProperty();
    // The stored properties with Group before Value: a stored Value of 1 clears the button's own
    // group, not group 0.
    static const auto& ReadOrder();

    uint8_t m_group{};
};

inline const auto& qelOptionButton::GroupProperty()
{
    using C = qelOptionButton;
    static const auto table
        = propertyTable(PropertiesOf<C>::propertyAs<uint8_t>("Group", &C::Group, &C::setGroup, uint8_t(0), keepsItsValue));
    return table;
}

inline const auto& qelOptionButton::StoredProperties()
{
    static const auto table = join(CaptionProperties(), ValueProperty(), GroupProperty(), AlignmentProperty(), DrawingFlags());
    return table;
}

inline const auto& qelOptionButton::ReadOrder()
{
    static const auto table = join(CaptionProperties(), GroupProperty(), ValueProperty(), AlignmentProperty(), DrawingFlags());
    return table;
}

} // namespace qel
