#include "controls/pages/prop_bar.h"
#include "controls/pages/field_specs.h"

namespace qel {

using namespace fields;

PageSpec propBar::Design()
{
    PageSpec s;
    s.name = "propBar";
    s.pageClass = "qelBar";
    s.height = 4980;
    s.fields = {
        Pick("cbAlignment", "Alignment", 240, "Alignment", 0,
            {"1 - TopLeft", "2 - TopCenter", "3 - TopRight", "4 - MiddleLeft", "5 - MiddleCenter", "6 - MiddleRight",
                "7 - BottomLeft", "8 - BottomCenter", "9 - BottomerRight"}),
        Pick("cbBorderStyle", "BorderStyle", 600, "BorderStyle", 1, kBorderStyle),
        Number("txtDecimals", "Decimals", 960, "Decimals", 2),
        Check("chkDisplayBorder", "DisplayBorder", 1320, "DisplayBorder"),
        Pick("cbDisplayLabel", "DisplayLabel", 1680, "DisplayLabel", 3, {"0 - No", "1 - PercentageMode", "2 - ValueMode", "3 - Steps"}),
        Wide(Pick("cbGradientMode", "GradientMode", 2040, "GradientMode", 4, {"1 - OnlyValue", "2 - AllLenght"}, 1320, 1815), 1095),
        Wide(Pick("cbInteractiveButton", "InteractiveButton", 2400, "InteractiveButton", 5,
                 {"0 - NoButton", "1 - LeftButton", "2 - RightButton", "3 - MiddleButton"}, 1440, 1575),
            1215),
        Check("chkInteractiveControl", "InteractiveControl", 2760, "InteractiveControl"),
        Number("txtMax", "Max", 3120, "Max", 6),
        Number("txtMin", "Min", 3480, "Min", 7),
        Number("txtOffsetX", "OffSetX", 3840, "OffsetX", 8),
        Number("txtOffsetY", "OffSetY", 4200, "OffsetY", 9),
        Number("txtValue", "Value", 4560, "Value", 10),
    };
    s.loadOrder = {"Alignment", "BorderStyle", "DisplayLabel", "GradientMode", "Decimals", "Max", "Min", "OffSetX", "OffSetY",
        "Value", "InteractiveButton", "DisplayBorder", "InteractiveControl"};
    // The bar takes any Min but a Max only above its Min: Min goes first, so every selected bar
    // ends with the page's range whatever range it had, and Value is checked against that range.
    s.applyOrder = {"Alignment", "BorderStyle", "DisplayLabel", "GradientMode", "Decimals", "Min", "Max", "OffSetX", "OffSetY",
        "Value", "InteractiveButton", "DisplayBorder", "InteractiveControl"};
    return s;
}

propBar::propBar() : PropertyPage(Design()) {}

} // namespace qel
