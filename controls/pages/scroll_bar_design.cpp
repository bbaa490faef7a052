#include "controls/pages/scroll_bar_design.h"
#include "controls/pages/field_specs.h"

namespace qel {

using namespace fields;

PageSpec ScrollBarDesign(const std::string& name, const std::string& pageClass, const std::string& thumbMember)
{
    PageSpec s;
    s.name = name;
    s.pageClass = pageClass;
    s.height = 3870;
    s.fields = {
        Check("chkEnabled", "Enabled", 240, "Enabled", 1215),
        Check("chkEnableWheel", "EnableWheel", 600, "EnableWheel", 1695),
        Number("txtLargeChange", "LargeChange", 960, "LargeChange", 1),
        Number("txtMax", "Max", 1320, "Max", 2),
        Number("txtMin", "Min", 1680, "Min", 3),
        Wide(Number("txtMouseInterval", "MouseInterval", 2040, "MouseInterval", 4, 1320, 1815), 1095),
        Number("txt" + thumbMember, thumbMember, 2400, thumbMember, 5),
        Number("txtSmallChange", "SmallChange", 2760, "SmallChange", 6),
        Number("txtValue", "Value", 3120, "Value", 7),
        Wide(Number("txtWheelChange", "WheelChange", 3480, "WheelChange", 8, 1320, 1815), 1095),
    };
    s.loadOrder = {"Enabled", "Max", "Min", "MouseInterval", "SmallChange", "Value", "EnableWheel", "LargeChange", thumbMember,
        "WheelChange"};
    s.applyOrder = s.loadOrder;
    return s;
}

} // namespace qel
