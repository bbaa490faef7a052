#pragma once
#include "controls/pages/property_page.h"

namespace qel {

// The page "General" of qelSysTray, its only page; Design() is its stored
// design: fields, places, items and the orders of its reads and writes.
class propSysTray : public PropertyPage {
public:
    propSysTray();
    static PageSpec Design();

protected:
    // The check box's caption becomes the five lines of its explanation.
    void OnFieldsBuilt() override;
};

} // namespace qel
