#pragma once
#include "controls/core/choice_control.h"
#include <functional>

namespace qel {

// The check box: Value 1 ticked, 0 clear (any other value is kept and shown with the ticked,
// disabled cell). A left press, the press of a double click and Space toggle it, raising
// Change and then Click.
class qelCheck : public ChoiceControl {
public:
    std::function<void()> Click;
    // Value is the control's own, by reference: a handler that assigns to it sets Value.
    std::function<void(int& Value)> Change;

    qelCheck();
    std::string className() const override { return "qelCheck"; }

    static const auto& StoredProperties()
    {
        static const auto table = join(CaptionProperties(), ValueProperty(), AlignmentProperty(), DrawingFlags());
        return table;
    }
    // A new box paints once its initial values are set.
    void initProperties() override
    {
        InitFrom(*this, StoredProperties());
        PaintHandler();
    }
    void readProperties(plat::forms::PropertyBag& bag) override { ReadFrom(*this, StoredProperties(), bag); }
    void writeProperties(plat::forms::PropertyBag& bag) const override { StoredProperties().write(*this, bag); }

protected:
    void Activate() override;
};

} // namespace qel
