#include "controls/core/qel_check.h"

namespace qel {

qelCheck::qelCheck() : ChoiceControl(CheckBoxGlyphs()) {}

void qelCheck::Activate()
{
    if (!Enabled())
        return;
    if (m_value == 1)
        m_value = 0;
    else if (m_value == 0)
        m_value = 1;
    // Raised even when a value other than 0 and 1 stays as it is.
    if (Change)
        Change(m_value);
    if (Click)
        Click();
    m_imageCurrent = false;
    PaintHandler();
}

} // namespace qel
