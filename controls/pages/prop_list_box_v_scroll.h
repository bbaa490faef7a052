#pragma once
#include "controls/pages/property_page.h"

namespace qel {

// The page "VScroll" of qelListBox: the settings of the list box's vertical bar, through its
// VScroll member (a settings object), laid out as the vertical scroll bar's page. Min, Max and
// Value are shown and never written. Neither load nor apply skips a failure.
class propListBoxVScroll : public PropertyPage {
public:
    propListBoxVScroll();
    static PageSpec Design();

    void LoadFromSelection() override;
    void ApplyToSelection() override;
};

} // namespace qel
