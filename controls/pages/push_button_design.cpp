#include "controls/pages/push_button_design.h"
#include "controls/pages/field_specs.h"

namespace qel {

using namespace fields;

PageSpec PushButtonDesign(const std::string& name, const std::string& pageClass, bool withValue)
{
    PageSpec s;
    s.name = name;
    s.pageClass = pageClass;
    s.height = withValue ? 4980 : 4620;
    s.fields = {
        Pick("cbBackGradient", "BackGradient", 240, "BackGradient", 0, kGradient, 1320, 1935),
        Check("chkBreakCorner", "BreakCorner", 600, "BreakCorner"),
        Text("txtCaption", "Caption", 960, "Caption", 1),
        Check("chkDisplayPicture", "DisplayPicture", 1320, "DisplayPicture"),
        Check("chkDrawFocus", "DrawFocus", 1680, "DrawFocus"),
        Check("chkDrawMouseInRect", "DrawMouseInRect", 2040, "DrawMouseInRect"),
        Check("chkEnabled", "Enabled", 2400, "Enabled"),
        Check("chkGrayPictureWhenDisabled", "GrayPictureWhenDisabled", 2760, "GrayPictureWhenDisabled"),
        Wide(Pick("cbAlignment", "PictureAlignment", 3120, "Picture alignment", 2, kPictureAlignment, 1560, 1695), 1335),
        Labelled(Number("txtPictureOffsetX", "PictureOffsetX", 3480, "PictureOffsetX", -1, 1440, 1815), "Label2", -1, 1215),
        Labelled(Number("txtPictureOffsetY", "PictureOffsetY", 3840, "PictureOffsetY", -1, 1440, 1815), "Label3", -1, 1215),
        Pick("cbTextPosition", "TextPosition", 4200, "TextPosition", 3, kJustify3, 1440, 1935),
    };
    s.applyOrder = {"BackGradient", "BreakCorner", "Caption", "DisplayPicture", "DrawFocus", "DrawMouseInRect", "Enabled",
        "GrayPictureWhenDisabled", "PictureAlignment", "PictureOffsetX", "PictureOffsetY", "TextPosition"};
    s.loadOrder = {"TextPosition", "PictureOffsetY", "PictureOffsetX", "PictureAlignment", "GrayPictureWhenDisabled", "Enabled",
        "DrawMouseInRect", "DrawFocus", "DisplayPicture", "Caption", "BreakCorner", "BackGradient"};
    if (withValue) {
        s.fields.push_back(Check("chkValue", "Value", 4560, "Value", 3135));
        s.applyOrder.push_back("Value");
        s.loadOrder.push_back("Value");
    }
    return s;
}

} // namespace qel
