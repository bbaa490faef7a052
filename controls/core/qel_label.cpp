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

// A new label paints once its initial values are set.
void qelLabel::initProperties()
{
    InitFrom(*this, StoredProperties());
    PaintHandler();
}

void qelLabel::readProperties(forms::PropertyBag& bag) { ReadFrom(*this, ReadOrder(), bag); }

void qelLabel::writeProperties(forms::PropertyBag& bag) const { StoredProperties().write(*this, bag); }

} // namespace qel
