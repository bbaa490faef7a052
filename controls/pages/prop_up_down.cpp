#include "controls/pages/prop_up_down.h"
#include "controls/pages/field_specs.h"

namespace qel {

using namespace fields;

PageSpec propUpDown::Design()
{
    PageSpec s;
    s.name = "propUpDown";
    s.pageClass = "qelUpDown";
    s.height = 3600;
    s.fields = {
        Pick("cbDirection", "Direction", 240, "Direction", 0, {"0 - Left_Right", "1 - Up_Down"}),
        Check("chkEnabled", "Enabled", 720, "Enabled"),
        Number("txtMax", "Max", 1200, "Max", 1),
        Number("txtMin", "Min", 1680, "Min", 2),
        Wide(Number("txtMouseInterval", "MouseInterval", 2160, "MouseInterval", 3, 1320, 1815), 1095),
        Number("txtSmallChange", "SmallChange", 2640, "SmallChange", 4),
        Number("txtValue", "Value", 3120, "Value", 5),
    };
    s.loadOrder = {"Direction", "Enabled", "Max", "Min", "MouseInterval", "SmallChange", "Value"};
    s.applyOrder = s.loadOrder;
    return s;
}

propUpDown::propUpDown() : PropertyPage(Design()) {}

} // namespace qel
