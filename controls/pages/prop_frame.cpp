#include "controls/pages/prop_frame.h"
#include "controls/pages/field_specs.h"

namespace qel {

using namespace fields;

PageSpec propFrame::Design()
{
    PageSpec s;
    s.name = "propFrame";
    s.pageClass = "qelFrame";
    s.height = 6735;
    s.fields = {
        Pick("cbBackGradient", "BackGradient", 240, "BackGradient", 0, kGradient, 1200, 2055),
        Pick("cbBackStyle", "BackStyle", 600, "BackStyle", 1, kBackStyle, 1200, 2055),
        Number("txtBorderWidth", "BorderWidth", 960, "BorderWidth", 2, 1200, 2055),
        Check("chkBreakCorner", "BreakCorner", 1320, "BreakCorner"),
        Text("txtCaption", "Caption", 1680, "Caption", 3, 1200, 2055),
        Check("chkDisplayBorder", "DisplayBorder", 2040, "DisplayBorder"),
        Check("chkDisplayPicture", "DisplayPicture", 2400, "DisplayPicture"),
        Check("chkEnabled", "Enabled", 2760, "Enabled"),
        Check("chkGrayPictureWhenDisabled", "GrayPictureWhenDisabled", 3120, "GrayPictureWhenDisabled"),
        Wide(Pick("cbAlignment", "PictureAlignment", 3480, "Picture alignment", 4, kPictureAlignment, 1560, 1695), 1335),
        Labelled(Number("txtPictureOffsetX", "PictureOffsetX", 3840, "PictureOffsetX", -1, 1440, 1815), "Label2", -1, 1215),
        Labelled(Number("txtPictureOffsetY", "PictureOffsetY", 4200, "PictureOffsetY", -1, 1440, 1815), "Label3", 0, 1215),
        Labelled(Number("txtRoundAngle", "RoundAngle", 4560, "RoundAngle", -1, 1440, 1815), "Label3", 1, 1215),
        Check("chkShowBackGround", "ShowBackGround", 4920, "ShowBackGround"),
        Check("chkShowTitle", "ShowTitle", 5280, "ShowTitle"),
        Pick("cbTextPosition", "TextPosition", 5640, "TextPosition", 5, kJustify3, 1440, 1815),
        Pick("cbTitleGradient", "TitleGradient", 6000, "TitleGradient", 6, kGradient, 1320, 1935),
        Number("txtTitleHeight", "TitleHeight", 6360, "TitleHeight", 7, 1200, 2055),
    };
    s.loadOrder = {"PictureAlignment", "BackGradient", "BackStyle", "TextPosition", "TitleGradient", "BreakCorner",
        "DisplayBorder", "DisplayPicture", "Enabled", "GrayPictureWhenDisabled", "ShowBackGround", "ShowTitle", "BorderWidth",
        "Caption", "PictureOffsetX", "PictureOffsetY", "RoundAngle", "TitleHeight"};
    s.applyOrder = s.loadOrder;
    return s;
}

propFrame::propFrame() : PropertyPage(Design()) {}

} // namespace qel
