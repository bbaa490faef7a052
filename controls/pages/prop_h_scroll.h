#pragma once
#include "controls/pages/property_page.h"

namespace qel {

// The page "General" of qelHScroll (beside the common page); Design() is its stored
// design: fields, places, items and the orders of its reads and writes.
class propHScroll : public PropertyPage {
public:
    propHScroll();
    static PageSpec Design();
};

} // namespace qel
