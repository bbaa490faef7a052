#include "controls/core/qel_label.h"
#include "platform/gfx/system_colors.h"
#include "platform/gfx/text_layout.h"

namespace qel {

using namespace plat;

void qelLabel::ApplyBackColor() { hDc().setBackColor(gfx::toRgb(m_backColor)); }

void qelLabel::setAutoSize(bool on)
{
    if (on) {
        const int w = TextWidth(m_caption), h = TextHeight(m_caption);
        move(left(), top(), w, h);
    }
    Store(m_autoSize, on);
    m_imageCurrent = true;
}

void qelLabel::Refresh()
{
    if (m_unRefreshControl)
        return;
    ClearSurface();
    PrepareCaptionColors();
    TranslateColor(m_borderColor);

    const gfx::Rect rect{1, 1, N(SW() / Tx() - 1), N(SH() / Ty() + 1)};
    DrawCaption(m_caption, rect, CaptionFormat());

    if (m_borderStyle == 1)
        FrameRegion(CreateRectRgn(0, 0, N(SW() / Tx()), N(SH() / Ty())), m_borderColor, 1, 1);

    if (m_backStyle == 0)
        SetSeeThrough(true, m_backColor);
    else
        SetSeeThrough(false);
    ShowImage();
    m_imageCurrent = true;
}

void qelLabel::initProperties()
{
    BeginLoading();
    InitCaptionDefaults();
    setAutoSize(false);
    setBorderColor(0xC56A31);
    setBorderStyle(0);
    setAlignment(0);
    setUnRefreshControl(false);
    EndInitialising();
    PaintHandler();
}

void qelLabel::readProperties(forms::PropertyBag& bag)
{
    BeginLoading();
    ReadCaptionProperties(bag);
    setAlignment(bag.readProperty("Alignment", int32_t(0)));
    setBorderColor(bag.readProperty("BorderColor", uint32_t(0xC56A31)));
    setAutoSize(bag.readProperty("AutoSize", false));
    setBorderStyle(bag.readProperty("BorderStyle", int32_t(0)));
    ReadDrawingFlags(bag);
    EndReading();
}

void qelLabel::writeProperties(forms::PropertyBag& bag) const
{
    bag.writeProperty("Autosize", m_autoSize, false);
    bag.writeProperty("BorderStyle", m_borderStyle, 0);
    bag.writeProperty("BorderColor", m_borderColor, 0xC56A31);
    WriteCaptionProperties(bag);
    bag.writeProperty("Alignment", m_alignment, 0);
    WriteDrawingFlags(bag);
}

} // namespace qel
