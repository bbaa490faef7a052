#pragma once
#include "controls/pages/property_page.h"

namespace qel {

// The page "General" of qelFrame (beside the common page); Design() is its stored
// design: fields, places, items and the orders of its reads and writes.
class propFrame : public PropertyPage {
public:
    propFrame();
    static PageSpec Design();
};

} // namespace qel
