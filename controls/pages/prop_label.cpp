#include "controls/pages/prop_label.h"
#include "controls/pages/field_specs.h"

namespace qel {

using namespace fields;

PageSpec propLabel::Design()
{
    PageSpec s;
    s.name = "propLabel";
    s.pageClass = "qelLabel";
    s.height = 3600;
    s.fields = {
        Pick("cbAlignment", "Alignment", 240, "Alignment", 0, kJustify3),
        Check("chkAutosize", "AutoSize", 720, "AutoSize"),
        Pick("cbBackStyle", "BackStyle", 1200, "BackStyle", 1, kBackStyle),
        Pick("cbBorderStyle", "BorderStyle", 1680, "BorderStyle", 2, kBorderStyle),
        Text("txtCaption", "Caption", 2160, "Caption", 3),
        Check("chkEnabled", "Enabled", 2640, "Enabled"),
    };
    s.loadOrder = {"Alignment", "BackStyle", "BorderStyle", "AutoSize", "Enabled", "Caption"};
    s.applyOrder = {"Caption", "Enabled", "BorderStyle", "BackStyle", "Alignment", "AutoSize"};
    // A member that cannot be shown leaves its field as it was and the load goes on.
    s.loadSkipsErrors = true;
    return s;
}

propLabel::propLabel() : PropertyPage(Design()) {}

} // namespace qel
