#include "controls/core/qel_frame.h"
#include "controls/core/filled_box.h"
#include "platform/forms/form.h"
#include "platform/forms/pictures.h"
#include "platform/gfx/system_colors.h"
#include "platform/gfx/text_layout.h"
#include <algorithm>
#include <exception>

namespace qel {

using namespace plat;
using forms::Control;
using forms::FontDesc;
using forms::PictureRef;
using forms::PropertyBag;

qelFrame::qelFrame()
{
    setContainerControl(true);
    AddImageHolder(&m_picture.PCTcolor);
    AddImageHolder(&m_picture.PCTgray);
}

// --- properties ---

void qelFrame::setBackStyle(int style) { Store(m_backStyle, style); }
void qelFrame::setTextPosition(int position) { Store(m_textPosition, position); }
void qelFrame::setCaption(const std::string& caption) { Store(m_caption, caption); }
void qelFrame::setShowTitle(bool on) { Store(m_showTitle, on); }
void qelFrame::setTitleHeight(int twips) { Store(m_titleHeight, twips); }
void qelFrame::setForeColor(uint32_t color)
{
    m_foreColor = color;
    hDc().setTextColor(gfx::toRgb(color));
    PropertyChanged();
}
void qelFrame::setTitleColor1(uint32_t color) { Store(m_titleColor1, color); }
void qelFrame::setTitleColor2(uint32_t color) { Store(m_titleColor2, color); }
void qelFrame::setBackColor1(uint32_t color) { Store(m_backColor1, color); }
void qelFrame::setBackColor2(uint32_t color) { Store(m_backColor2, color); }
void qelFrame::setFont(const FontDesc& font)
{
    setSurfaceFont(font);
    PropertyChanged();
}
void qelFrame::setShowBackGround(bool on) { Store(m_showBackGround, on); }
void qelFrame::setTitleGradient(int gradient) { Store(m_titleGradient, gradient); }
void qelFrame::setBackGradient(int gradient) { Store(m_backGradient, gradient); }
void qelFrame::setBorderColor(uint32_t color) { Store(m_borderColor, color); }
void qelFrame::setDisplayBorder(bool on) { Store(m_displayBorder, on); }
void qelFrame::setBreakCorner(bool on) { Store(m_breakCorner, on); }
void qelFrame::setPicture(const PictureRef& picture)
{
    m_pictureRef = picture;
    m_picture.Assign(picture.isEmpty() ? gfx::Picture() : forms::loadPicture(picture));
    PropertyChanged();
}
void qelFrame::setPicture(const gfx::Picture& picture)
{
    m_pictureRef = {};
    m_picture.Assign(picture);
    PropertyChanged();
}
void qelFrame::setRoundAngle(int pixels) { Store(m_roundAngle, pixels); }
void qelFrame::setBorderWidth(int pixels) { Store(m_borderWidth, pixels); }
void qelFrame::setPictureAlignment(int alignment) { Store(m_pictureAlignment, alignment); }
void qelFrame::setDisplayPicture(bool on) { Store(m_displayPicture, on); }
void qelFrame::setPictureOffsetX(int twips) { Store(m_pictureOffsetX, twips); }
void qelFrame::setPictureOffsetY(int twips) { Store(m_pictureOffsetY, twips); }
void qelFrame::setGrayPictureWhenDisabled(bool on) { Store(m_grayPictureWhenDisabled, on); }

void qelFrame::OnEnabledSet()
{
    const forms::Form* f = form();
    if (!f)
        return;
    const bool enabled = Enabled();
    // A copy: a control's Enabled may run code that places or removes controls.
    const std::vector<Control*> controls = f->controls();
    for (Control* c : controls) {
        if (c->container() != this)
            continue;
        try {
            c->setEnabled(enabled);
        } catch (const std::exception&) {
            // A control that refuses is skipped; the others are still set.
        }
    }
}

// A frame stored disabled disables what was stored inside it; its controls are placed only
// after the frame has read its own properties.
void qelFrame::onContainedControlsPlaced()
{
    if (!Enabled())
        OnEnabledSet();
}

// --- drawing ---

void qelFrame::Refresh()
{
    if (m_unRefreshControl)
        return;
    ClearSurface();
    for (uint32_t* color : {&m_borderColor, &m_foreColor, &m_titleColor1, &m_titleColor2, &m_backColor1, &m_backColor2})
        TranslateColor(*color);

    if (m_showTitle)
        DrawTitle();
    DrawCaptionLine();
    if (m_backStyle == 0) {
        if (m_displayBorder)
            DrawBorder();
        // What is drawn so far stays; the cleared background shows what lies behind.
        SetSeeThrough(true, SurfaceBackColor());
    } else {
        SetSeeThrough(false);
    }
    if (m_backStyle == 1 && m_showBackGround)
        DrawBackground();
    PlacePictures();
    if (m_backStyle == 1 && m_displayBorder)
        DrawBorder();
    // A square frame is a square window again: a rounded shape set before would cut its corners.
    if (!m_breakCorner)
        SetShape(std::nullopt);

    m_imageCurrent = true;
    ShowImage();
}

void qelFrame::DrawTitle()
{
    const RGBRecord c1 = SplitColor(int32_t(m_titleColor1));
    const RGBRecord c2 = SplitColor(int32_t(m_titleColor2));
    switch (m_titleGradient) {
    case 0:
        FillBox(hDc(), 0, 0, SW(), m_titleHeight, m_titleColor1);
        break;
    case 2:
        PaintGradientRows(c1, c2, N(SW()), m_titleHeight, 0);
        break;
    default:
        PaintGradientColumns(c1, c2, N(SW()), m_titleHeight, 0);
        break;
    }
}

void qelFrame::DrawCaptionLine()
{
    const int A = TextLineHeight();
    const double band = double(m_titleHeight) / Ty();
    gfx::Rect rect{0, N((band - A) / 2), N(width() / Tx()), N(band)};
    hDc().setTextColor(m_foreColor);
    const unsigned format = m_textPosition == 2 ? gfx::DT_CENTER : m_textPosition == 1 ? gfx::DT_RIGHT : gfx::DT_LEFT;
    DrawCaption(m_caption, rect, format | PrefixFormat());
}

void qelFrame::DrawBackground()
{
    const int firstRow = m_showTitle ? N(double(m_titleHeight) / Ty()) : 0;
    const RGBRecord c1 = SplitColor(int32_t(m_backColor1));
    const RGBRecord c2 = SplitColor(int32_t(m_backColor2));
    switch (m_backGradient) {
    case 0:
        FillBox(hDc(), 15, m_titleHeight + 1, SW() - 30, SH() - 30, m_backColor1);
        break;
    case 2:
        PaintGradientRows(c1, c2, N(SW()), N(SH()), firstRow);
        break;
    default:
        PaintGradientColumns(c1, c2, N(SW()), N(SH()), firstRow);
        break;
    }
}

void qelFrame::PlacePictures()
{
    if (!m_displayPicture) {
        m_picture.HideBoth();
        return;
    }
    const bool P = m_picture.HasPicture();
    if (Enabled() || (P && !m_grayPictureWhenDisabled && m_showTitle)) {
        PlaceHolder(m_picture.PCTcolor);
        m_picture.PCTcolor.setVisible(true);
        m_picture.PCTgray.setVisible(false);
    } else if (P && m_showTitle) {
        PlaceHolder(m_picture.PCTgray);
        m_picture.PCTgray.setVisible(true);
        m_picture.PCTcolor.setVisible(false);
    }
    // Otherwise both keep the visibility they had.
}

void qelFrame::PlaceHolder(ImageHolder& holder)
{
    const int w = holder.Width();
    const int h = holder.Height();
    int top = N((m_titleHeight - h) / 2.0 + m_pictureOffsetY);
    // RoundAngle is in pixels but enters these sums as twips.
    int left = m_pictureAlignment == 0 ? m_pictureOffsetX + 2 * m_roundAngle + 30
                                       : N(width() - 30 - w - 2 * m_roundAngle - m_pictureOffsetX);
    holder.Move(std::max(left, 0), std::max(top, 0));
}

void qelFrame::DrawBorder()
{
    const int w = N(SW() / Tx());
    const int h = N(SH() / Ty());
    if (!m_breakCorner) {
        FrameRegion(CreateRectRgn(0, 0, w, h), m_borderColor, m_borderWidth, m_borderWidth);
        return;
    }
    gfx::Region region = CreateRoundRectRgn(0, 0, w, h, m_roundAngle, m_roundAngle);
    FrameRegion(region, m_borderColor, m_borderWidth, m_borderWidth);
    SetShape(std::move(region));
}

// --- persistence ---

// A new frame paints once its initial values are set.
void qelFrame::initProperties()
{
    InitFrom(*this, StoredProperties());
    PaintHandler();
}

void qelFrame::readProperties(PropertyBag& bag) { ReadFrom(*this, StoredProperties(), bag); }

void qelFrame::writeProperties(PropertyBag& bag) const { StoredProperties().write(*this, bag); }

} // namespace qel
