#include "controls/pages/prop_sys_tray.h"
#include "controls/pages/page_check_box.h"
#include "controls/pages/field_specs.h"

namespace qel {

using namespace fields;

PageSpec propSysTray::Design()
{
    PageSpec s;
    s.name = "propSysTray";
    s.pageClass = "qelSysTray";
    s.height = 3600;
    FieldSpec tip = Text("txtCaption", "BalloonTipString", 360, "Balloon string", -1);
    FieldSpec prevent = Check("Check1", "PreventFromCrash", 720, "Prevent systray from Explorer crash", 4215);
    prevent.height = 1575;
    s.fields = {tip, prevent};
    s.loadOrder = {"BalloonTipString", "PreventFromCrash"};
    s.applyOrder = s.loadOrder;
    // Neither load nor apply skips a failure.
    s.applySkipsErrors = false;
    return s;
}

propSysTray::propSysTray() : PropertyPage(Design()) {}

void propSysTray::OnFieldsBuilt()
{
    auto& check = static_cast<PageCheckBox&>(Field("Check1").Control());
    check.setCaption("Prevent systray from Explorer crash.\r\n"
                     "It uses subclassing, so if you check this option\r\n"
                     "you won't be able to subclass by using your own\r\n"
                     "WindowProc. If you do not understand what it means,\r\n"
                     "you can check it ;)");
}

} // namespace qel
