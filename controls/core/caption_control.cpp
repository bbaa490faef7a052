#include "controls/core/caption_control.h"
#include "platform/gfx/system_colors.h"
#include "platform/gfx/text_layout.h"

namespace qel {

using namespace plat;

void CaptionControl::setBackStyle(int32_t style)
{
    m_backStyle = style;
    OnBackStyleSet();
    PropertyChanged();
}

void CaptionControl::setCaption(const std::string& caption)
{
    m_caption = caption;
    PropertyChanged();
    m_imageCurrent = true;
}

void CaptionControl::setForeColor(uint32_t color)
{
    m_foreColor = color;
    hDc().setTextColor(gfx::toRgb(color));
    PropertyChanged();
}

void CaptionControl::setBackColor(uint32_t color)
{
    m_backColor = color;
    ApplyBackColor();
    PropertyChanged();
}

void CaptionControl::setFont(const forms::FontDesc& font)
{
    setSurfaceFont(font);
    PropertyChanged();
}

void CaptionControl::setAlignment(int32_t alignment)
{
    m_alignment = alignment;
    PropertyChanged();
}

void CaptionControl::InitCaptionDefaults()
{
    setBackColor(0xFFFFFF);
    setBackStyle(1);
    setCaption("Caption");
    forms::FontDesc font = Font();
    font.name = ambient().font.name;
    setFont(font);
    setForeColor(0);
    setEnabled(true);
}

void CaptionControl::ReadCaptionProperties(const forms::PropertyBag& bag)
{
    setBackColor(bag.readProperty("BackColor", uint32_t(0xC0C0C0)));
    setBackStyle(bag.readProperty("BackStyle", int32_t(1)));
    setCaption(bag.readProperty("Caption", "Caption"));
    setFont(bag.readProperty("Font", ambient().font));
    setForeColor(bag.readProperty("ForeColor", uint32_t(0)));
    setEnabled(bag.readProperty("Enabled", true));
}

void CaptionControl::WriteCaptionProperties(forms::PropertyBag& bag) const
{
    bag.writeProperty("BackColor", m_backColor, uint32_t(0xC0C0C0));
    bag.writeProperty("BackStyle", m_backStyle, 1);
    bag.writeProperty("Caption", m_caption, "Caption");
    bag.writeProperty("Font", Font(), ambient().font);
    bag.writeProperty("ForeColor", m_foreColor, uint32_t(0));
    bag.writeProperty("Enabled", Enabled(), true);
}

void CaptionControl::ReadDrawingFlags(const forms::PropertyBag& bag)
{
    setUnRefreshControl(bag.readProperty("UnRefreshControl", false));
    setUseMnemonic(bag.readProperty("UseMnemonic", true));
}

void CaptionControl::WriteDrawingFlags(forms::PropertyBag& bag) const
{
    bag.writeProperty("UnRefreshControl", m_unRefreshControl, false);
    bag.writeProperty("UseMnemonic", m_useMnemonic, true);
}

void CaptionControl::PrepareCaptionColors()
{
    hDc().setTextColor(Enabled() ? gfx::toRgb(m_foreColor) : kDisabledTextColor);
    TranslateColor(m_backColor);
    TranslateColor(m_foreColor);
}

unsigned CaptionControl::CaptionFormat() const
{
    const unsigned align = m_alignment == 0 ? gfx::DT_LEFT : m_alignment == 2 ? gfx::DT_CENTER : gfx::DT_RIGHT;
    return align | PrefixFormat();
}

} // namespace qel
