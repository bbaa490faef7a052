#include "controls/core/push_button_base.h"
#include "controls/core/filled_box.h"
#include "platform/forms/resources_folder.h"
#include "platform/gfx/system_colors.h"
#include "platform/gfx/text_layout.h"
#include "platform/window/virtual_keys.h"

namespace qel {

using namespace plat;
using namespace plat::win;
using gfx::Color;

namespace {

// The eight lines of the hover and focus frames, in twips from the control's edges (W, H).
struct FrameLine {
    int x1, y1, x2, y2; // a negative value counts back from W or H
};
constexpr FrameLine kFrameLines[8] = {
    {15, 60, 15, -60},
    {-45, 60, -45, -60},
    {30, -60, -45, -60},
    {45, -45, -60, -45},
    {30, 30, 30, -60},
    {-60, 30, -60, -60},
    {30, 30, -45, 30},
    {60, 15, -75, 15},
};
constexpr Color kHoverColours[8] = {0x31B2FF, 0x31B2FF, 0x31B2FF, 0x96E7, 0x6BCBFF, 0x6BCBFF, 0x89D8FD, 0x96E6FF};
constexpr Color kFocusColours[8] = {0xE7AE8C, 0xE7AE8C, 0xE7AE8C, 0xEF826B, 0xF0D1B5, 0xF0D1B5, 0xF7D7BD, 0xFFE7CE};

constexpr Color kDisabledText = 0x979797;

} // namespace

PushButtonBase::PushButtonBase()
{
    AddImageHolder(&m_picture.PCTcolor);
    AddImageHolder(&m_picture.PCTgray);
}

// --- properties: store, then the repaint convention ---


void PushButtonBase::setCaption(const std::string& caption)
{
    m_imageCurrent = false;
    m_caption = caption;
    PaintHandler();
    m_imageCurrent = true;
}

void PushButtonBase::setForeColor(uint32_t c)
{
    m_imageCurrent = false;
    m_foreColor = c;
    hDc().setTextColor(gfx::toRgb(c));
    PaintHandler();
}

void PushButtonBase::setFont(const forms::FontDesc& font)
{
    m_imageCurrent = false;
    setSurfaceFont(font);
    PaintHandler();
}

void PushButtonBase::setPicture(const gfx::Picture& picture)
{
    m_pictureSource = {};
    m_picture.Assign(picture);
    PropertyChanged();
}

void PushButtonBase::setPicture(const forms::PictureRef& picture)
{
    gfx::Picture loaded;
    if (!picture.isEmpty())
        loaded.load(forms::resourcePath(picture.path).string());
    m_picture.Assign(loaded);
    m_pictureSource = picture;
    PropertyChanged();
}

// --- drawing ---

void PushButtonBase::Refresh(bool withFocus)
{
    if (m_unRefreshControl)
        return;
    ClearSurface();
    TranslateColor(m_borderColor);
    TranslateColor(m_foreColor);
    TranslateColor(m_backColor1);
    TranslateColor(m_backColor2);
    if (withFocus && m_hasFocus)
        GotFocusHandling();

    const double sw = SW(), sh = SH();
    if (!Enabled()) {
        setSurfaceBackColor(gfx::toRgb(m_disabledBackColor));
    } else {
        RGBRecord c1, c2;
        if (!m_pushed) {
            c1 = SplitColor(int32_t(TranslateColor(m_backColor1)));
            c2 = SplitColor(int32_t(TranslateColor(m_backColor2)));
        } else {
            c1 = SplitColor(int32_t(TranslateColor(m_backColorPushed1)));
            c2 = SplitColor(int32_t(TranslateColor(m_backColorPushed2)));
        }
        if (m_backGradient == 0) {
            // The box-fill line includes both corners.
            FillBox(hDc(), 15, 0, sw - 30, sh - 30, m_pushed ? m_backColor2 : m_backColor1);
        } else if (m_backGradient == 2) {
            PaintGradientRows(c1, c2, N(sw), N(sh), 0);
        } else {
            PaintGradientColumns(c1, c2, N(sw), N(sh), 0);
        }
    }

    hDc().setTextColor(Enabled() ? m_foreColor : kDisabledText);
    const unsigned align = m_textPosition == 2 ? gfx::DT_CENTER : m_textPosition == 1 ? gfx::DT_RIGHT : gfx::DT_LEFT;
    DrawCaption(m_caption, CaptionRect(), align | PrefixFormat());

    PlacePicture();
    DrawBorder();
    m_imageCurrent = true;
    ShowImage();
}

gfx::Rect PushButtonBase::CaptionRect() const
{
    const double W = width(), H = height();
    const int th = TextLineHeight();
    const double pw = m_picture.PCTcolor.Width();
    const int top = N((H / Ty() - th) / 2);
    const int right = N(W / Tx() - 4);
    const int bottom = N(H / Ty());
    const bool picture = m_displayPicture && m_picture.HasPicture();
    if (!picture)
        return {4, top, right, bottom};
    if (m_pictureAlignment == 0)
        return {N(pw / Tx() / 2 + 8), top, right, bottom};
    return {4, top, N(W / Tx() - 8 - pw / Tx() / 2), bottom};
}

void PushButtonBase::PlacePicture()
{
    if (!(m_displayPicture && m_picture.HasPicture())) {
        m_picture.HideBoth();
        return;
    }
    const double W = width(), H = height();
    const double tw = TextWidth(m_caption);
    const bool gray = !Enabled() && m_grayPictureWhenDisabled;
    ImageHolder& holder = gray ? m_picture.PCTgray : m_picture.PCTcolor;
    ImageHolder& other = gray ? m_picture.PCTcolor : m_picture.PCTgray;
    const double ph = holder.Height(), pw = holder.Width();
    int top = N((H - ph) / 2 + m_pictureOffsetY);
    int left;
    if (m_pictureAlignment == 0)
        left = N((W - tw) / 2 - pw + m_pictureOffsetX - (gray ? 0 : 4));
    else
        left = N((W + tw) / 2 + m_pictureOffsetX + (gray ? 0 : 4)); // mirrors the left placement
    holder.Move(std::max(left, 0), std::max(top, 0));
    holder.setVisible(true);
    other.setVisible(false);
}

void PushButtonBase::DrawBorder()
{
    const int w = N(SW() / Tx()), h = N(SH() / Ty());
    if (!m_breakCorner) {
        FrameRegion(CreateRectRgn(0, 0, w, h), m_borderColor, 1, 1);
        // The square button is a square window again: a rounded shape set before would clip it.
        SetShape(std::nullopt);
        return;
    }
    gfx::Region shape = CreateRoundRectRgn(0, 0, w, h, 7, 7);
    FrameRegion(shape, m_borderColor, 1, 1);
    SetShape(std::move(shape));
}

void PushButtonBase::DrawFrameLines(const Color (&colours)[8])
{
    const int W = N(width()), H = N(height());
    auto at = [](int v, int edge) { return v < 0 ? edge + v : v; };
    for (int i = 0; i < 8; ++i) {
        const FrameLine& l = kFrameLines[i];
        hDc().setForeColor(colours[i]);
        hDc().line(N(double(at(l.x1, W)) / Tx()), N(double(at(l.y1, H)) / Ty()), N(double(at(l.x2, W)) / Tx()),
            N(double(at(l.y2, H)) / Ty()));
    }
    ShowImage();
}

void PushButtonBase::DrawHoverFrame()
{
    if (!m_drawMouseInRect || !Enabled())
        return;
    DrawFrameLines(kHoverColours);
}

void PushButtonBase::DrawFocusFrame()
{
    if (!m_drawFocus || m_mouseInside || !m_hasFocus || !Enabled())
        return;
    DrawFrameLines(kFocusColours);
}

// --- input ---

void PushButtonBase::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    // Bit 30 of a key-down's parameter: the key was already down, so this is an auto-repeat.
    if (msg == WM_KEYDOWN)
        m_keyRepeated = (uint32_t(lParam) & (1u << 30)) != 0;
    DrawnControl::HandleMessage(msg, wParam, lParam);
}

void PushButtonBase::RaiseClick()
{
    if (Click)
        Click();
}

void PushButtonBase::OnMouseButton(UINT msg, MouseEventArgs& args)
{
    switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (Enabled()) {
            OnLeftPress();
            Refresh(true);
            RaiseClick();
        }
        break;
    case WM_LBUTTONUP:
        OnLeftRelease();
        DrawHoverFrame();
        break;
    default:
        break;
    }
    RaiseMouseEvent(msg, args);
}

void PushButtonBase::OnMouseHover()
{
    if (m_mouseInside)
        return;
    DrawHoverFrame();
    if (MouseHover)
        MouseHover();
    m_mouseInside = true;
}

void PushButtonBase::OnMouseLeave()
{
    if (MouseLeave)
        MouseLeave();
    if (LeaveClearsPushed())
        m_pushed = false;
    m_mouseInside = false;
    m_imageCurrent = false;
    if (m_leaveSeen) {
        Refresh(false);
        DrawFocusFrame();
    } else {
        m_leaveSeen = true;
    }
}

void PushButtonBase::onKeyDown(int& keyCode, int shift)
{
    if (!Enabled())
        return;
    switch (keyCode) {
    case VK_UP:
    case VK_LEFT:
        MoveFocusOn(false);
        break;
    case VK_DOWN:
    case VK_RIGHT:
        MoveFocusOn(true);
        break;
    case VK_SPACE:
        if (!m_pushed) {
            m_pushed = true;
            Refresh(true);
            RaiseClick();
        }
        break;
    case VK_RETURN:
        if (m_enterRepeats || !m_keyRepeated)
            RaiseClick();
        break;
    default:
        break;
    }
    RaiseKeyDown(keyCode, shift);
}

void PushButtonBase::onKeyUp(int& keyCode, int shift)
{
    RaiseKeyUp(keyCode, shift);
    if (keyCode == VK_SPACE) {
        m_pushed = false;
        Refresh(true);
        DrawHoverFrame();
    }
}

void PushButtonBase::GotFocusHandling()
{
    if (Enabled()) {
        m_hasFocus = true;
        DrawFocusFrame();
    } else {
        // Disabled buttons are out of the tab order, so this finds an enabled control or stays.
        MoveFocusOn(true);
    }
}

void PushButtonBase::onLostFocus()
{
    m_hasFocus = false;
    m_imageCurrent = false;
    PaintHandler();
}

// --- persistence ---

} // namespace qel
