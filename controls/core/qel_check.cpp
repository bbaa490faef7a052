#include "controls/core/qel_check.h"

namespace qel {

using plat::forms::PropertyBag;

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

void qelCheck::initProperties()
{
    BeginLoading();
    InitCommonDefaults();
    EndInitialising();
    PaintHandler();
}

void qelCheck::readProperties(PropertyBag& bag)
{
    BeginLoading();
    ReadCaptionProperties(bag);
    setValue(bag.readProperty("Value", int32_t(0)));
    setAlignment(bag.readProperty("Alignment", int32_t(0)));
    ReadDrawingFlags(bag);
    EndReading();
}

void qelCheck::writeProperties(PropertyBag& bag) const
{
    WriteCaptionProperties(bag);
    bag.writeProperty("Value", int32_t(m_value), 0);
    bag.writeProperty("Alignment", m_alignment, 0);
    WriteDrawingFlags(bag);
}

} // namespace qel
