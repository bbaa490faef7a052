#include "controls/pages/prop_check.h"
#include "controls/pages/field_specs.h"

namespace qel {

using namespace fields;

PageSpec propCheck::Design()
{
    PageSpec s;
    s.name = "propCheck";
    s.pageClass = "qelCheck";
    s.height = 3600;
    s.fields = {
        Pick("cbAlignment", "Alignment", 240, "Alignment", 0, kJustify3),
        Pick("cbBackStyle", "BackStyle", 720, "BackStyle", 1, kBackStyle),
        Text("txtCaption", "Caption", 1200, "Caption", 3),
        Check("chkEnabled", "Enabled", 1680, "Enabled"),
        Pick("cbValue", "Value", 2160, "Value", 5, kCheckValue),
    };
    s.loadOrder = {"Caption", "Enabled", "Value", "BackStyle", "Alignment"};
    s.applyOrder = s.loadOrder;
    // The first failing write ends the apply and goes back to the designer.
    s.applySkipsErrors = false;
    return s;
}

propCheck::propCheck() : PropertyPage(Design()) {}

} // namespace qel
