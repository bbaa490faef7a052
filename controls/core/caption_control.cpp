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
