#include "dialogs/swatch_color.h"

#include "platform/forms/common_dialog.h"
#include "platform/forms/label.h"

namespace dialogs {

namespace forms = plat::forms;

bool pickSwatchColor(forms::Label& swatch, forms::CommonDialog& picker)
{
    picker.setFlags(forms::cdlCCRGBInit | forms::cdlCCFullOpen);
    picker.setColor(swatch.backColor());
    if (!picker.showColor())
        return false;
    swatch.setBackColor(picker.color());
    return true;
}

} // namespace dialogs
