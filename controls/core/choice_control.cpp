#include "controls/core/choice_control.h"
#include "platform/gfx/system_colors.h"
#include "platform/gfx/text_layout.h"
#include "platform/window/virtual_keys.h"

namespace qel {

using namespace plat;
using namespace plat::win;

// --- properties ---

void ChoiceControl::ApplyBackColor() { setSurfaceBackColor(gfx::toRgb(m_backColor)); }

void ChoiceControl::setValue(int value)
{
    m_value = value;
    PropertyChanged();
}

// --- drawing ---

void ChoiceControl::Refresh()
{
    if (m_unRefreshControl)
        return;
    ClearSurface();
    PrepareCaptionColors();
    DrawGlyph();
    if (m_hasFocus)
        FocusRoutine();

    const int hA = TextLineHeight();
    const int T = N((SH() - double(Ty()) * hA) / 2);
    gfx::Rect text{kCaptionLeft, N(double(T) / Ty()), N(SW() / Tx()), N(SH() / Ty())};
    DrawCaption(m_caption, text, CaptionFormat());

    ApplyBackStyle();
    ShowImage();
    m_imageCurrent = true;
}

void ChoiceControl::DrawGlyph()
{
    const int y = N((SH() / Ty() - kGlyphSize) / 2);
    hDc().bitBlt(0, y, kGlyphSize, kGlyphSize, m_glyphs, kGlyphSize * GlyphCell(), 0);
}

void ChoiceControl::ApplyBackStyle() { SetSeeThrough(m_backStyle == 0, gfx::toRgb(m_backColor)); }

void ChoiceControl::FocusRoutine()
{
    if (!Enabled()) {
        MoveFocusOn(true);
        return;
    }
    m_hasFocus = true;
    const int hA = TextLineHeight();
    const int top = N((SH() / Ty() - hA) / 2);
    const int right = N(double(TextWidth(m_caption)) / Tx() + 23);
    hDc().drawFocusRect({kCaptionLeft - 3, top - 1, right, top + hA + 2});
    ApplyBackStyle();
}

// --- focus, keys, mouse ---

void ChoiceControl::onGotFocus()
{
    FocusRoutine();
    // The rectangle has to reach the screen, not only the kept image.
    if (m_hasFocus)
        ShowImage();
}

void ChoiceControl::onLostFocus()
{
    m_hasFocus = false;
    m_imageCurrent = false;
    PaintHandler();
}

void ChoiceControl::onKeyDown(int& keyCode, int shift)
{
    switch (keyCode) {
    case VK_LEFT:
    case VK_UP:
        MoveFocusOn(false);
        break;
    case VK_RIGHT:
    case VK_DOWN:
        MoveFocusOn(true);
        break;
    case VK_SPACE:
        Activate();
        break;
    default:
        break;
    }
    Refresh();
    RaiseKeyDown(keyCode, shift);
}

void ChoiceControl::OnMouseButton(UINT msg, MouseEventArgs& args)
{
    if (msg == WM_LBUTTONDOWN || msg == WM_LBUTTONDBLCLK)
        Activate();
    RaiseMouseEvent(msg, args);
}

void ChoiceControl::OnMouseHover()
{
    if (m_mouseInside)
        return;
    DrawnControl::OnMouseHover();
    Refresh();
}

void ChoiceControl::OnMouseLeave()
{
    DrawnControl::OnMouseLeave();
    // The first leave (the one that follows the start of tracking) draws nothing.
    if (m_leaveSeen)
        Refresh();
    else
        m_leaveSeen = true;
}

} // namespace qel
