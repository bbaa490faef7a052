#include "controls/pages/prop_option_button.h"
#include "controls/pages/field_specs.h"

namespace qel {

using namespace fields;

PageSpec propOptionButton::Design()
{
    PageSpec s;
    s.name = "propOptionButton";
    s.pageClass = "qelOptionButton";
    s.height = 3600;
    s.fields = {
        Pick("cbAlignment", "Alignment", 240, "Alignment", 0, kJustify3),
        Pick("cbBackStyle", "BackStyle", 720, "BackStyle", 1, kBackStyle),
        Text("txtCaption", "Caption", 1200, "Caption", 3),
        Check("chkEnabled", "Enabled", 1680, "Enabled"),
        Number("txtGroup", "Group", 2160, "Group", 4),
        Pick("cbValue", "Value", 2640, "Value", 5, kCheckValue),
    };
    s.loadOrder = {"Caption", "Group", "Enabled", "Value", "BackStyle", "Alignment"};
    s.applyOrder = s.loadOrder;
    return s;
}

propOptionButton::propOptionButton() : PropertyPage(Design()) {}

} // namespace qel
