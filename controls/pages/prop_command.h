#pragma once
#include "controls/pages/property_page.h"

namespace qel {

// The page "General" of qelCommand (beside the common page); Design() is its stored
// design: fields, places, items and the orders of its reads and writes.
class propCommand : public PropertyPage {
public:
    propCommand();
    static PageSpec Design();
};

} // namespace qel
