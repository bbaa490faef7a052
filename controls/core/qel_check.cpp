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
    setBackColor(bag.readProperty("BackColor", uint32_t(0xC0C0C0)));
    setBackStyle(bag.readProperty("BackStyle", int32_t(1)));
    setCaption(bag.readProperty("Caption", "Caption"));
    setFont(bag.readProperty("Font", ambient().font));
    setForeColor(bag.readProperty("ForeColor", uint32_t(0)));
    setEnabled(bag.readProperty("Enabled", true));
    setValue(bag.readProperty("Value", int32_t(0)));
    setAlignment(bag.readProperty("Alignment", int32_t(0)));
    setUnRefreshControl(bag.readProperty("UnRefreshControl", false));
    setUseMnemonic(bag.readProperty("UseMnemonic", true));
    EndReading();
}

void qelCheck::writeProperties(PropertyBag& bag) const
{
    bag.writeProperty("BackColor", m_backColor, uint32_t(0xC0C0C0));
    bag.writeProperty("BackStyle", int32_t(m_backStyle), 1);
    bag.writeProperty("Caption", m_caption, "Caption");
    bag.writeProperty("Font", Font(), ambient().font);
    bag.writeProperty("ForeColor", m_foreColor, uint32_t(0));
    bag.writeProperty("Enabled", Enabled(), true);
    bag.writeProperty("Value", int32_t(m_value), 0);
    bag.writeProperty("Alignment", int32_t(m_alignment), 0);
    bag.writeProperty("UnRefreshControl", UnRefreshControl(), false);
    bag.writeProperty("UseMnemonic", m_useMnemonic, true);
}

} // namespace qel
