#pragma once
#include "controls/pages/property_page.h"
#include <string_view>

namespace plat::forms {
class Control;
}

namespace qel {

// The page "Normal" that eleven control classes offer beside their own: the name, position,
// size, visibility, tag and tool-tip text that the form keeps for the first selected control,
// reached through that control's GetExtender. Further selected controls are left alone. Load
// reports its first failure; apply skips every failing write, the class test included.
class propAll : public PropertyPage {
public:
    propAll();
    static PageSpec Design();

    // The classes that offer the page, in the order the page tests them (qelListBox last).
    static bool OffersPage(std::string_view className);

    void LoadFromSelection() override;
    void ApplyToSelection() override;

private:
    // Item 0 taken as one of the eleven classes, its Extender through GetExtender.
    plat::forms::Control& ExtenderOfFirst() const;
};

} // namespace qel
