#include "controls/core/drawn_control.h"
#include "platform/forms/fonts.h"
#include "platform/gfx/system_colors.h"
#include "platform/gfx/text_layout.h"
#include "platform/window/api.h"
#include "platform/window/twips.h"
#include <cstring>

namespace qel {

using namespace plat;
using namespace plat::win;

DrawnControl::DrawnControl() = default;

DrawnControl::~DrawnControl() = default;

int DrawnControl::Tx() { return TwipsPerPixelX(); }
int DrawnControl::Ty() { return TwipsPerPixelY(); }
int DrawnControl::N(double v) { return int(roundHalfEven(v)); }

gfx::Color DrawnControl::TranslateColor(uint32_t& property)
{
    property = gfx::toRgb(property);
    return property;
}

// --- lifecycle ---

void DrawnControl::onPlaced()
{
    const gfx::Surface& img = image();
    m_face = gfx::Surface(img.width(), img.height(), gfx::opaque(gfx::systemColor(gfx::ColorBtnFace)));
    m_dc.setBackColor(gfx::systemColor(gfx::ColorBtnFace));
    m_dc.setBackMode(gfx::BackMode::Transparent);
    m_track.hwndTrack = hwnd();
    UpdateFocusable();
}

void DrawnControl::onRemoved() { m_hook.Restore(); }

void DrawnControl::StartSubclass()
{
    if (!ambient().userMode || !hwnd())
        return;
    if (!m_hook.Installed())
        m_hook.Install(hwnd(), [this](HWND h, UINT m, WPARAM w, LPARAM l) { return WindowProc(h, m, w, l); });
    m_track.hwndTrack = hwnd();
    TrackMouseEvent(m_track);
    m_mouseInside = false;
}

void DrawnControl::EndReading()
{
    m_loading = false;
    Redraw();
    StartSubclass();
}

// --- repaint convention ---

void DrawnControl::PropertyChanged()
{
    m_imageCurrent = false;
    PaintHandler();
}

void DrawnControl::PaintHandler()
{
    if (m_imageCurrent || m_loading || !hwnd())
        return;
    Redraw();
}

void DrawnControl::onResize()
{
    const gfx::Surface& img = image();
    m_face.resize(img.width(), img.height(), gfx::opaque(m_dc.backColor()));
    m_imageCurrent = false;
    OnResized();
    PaintHandler();
}

void DrawnControl::setEnabled(bool enabled)
{
    m_imageCurrent = false;
    m_enabled = enabled;
    UpdateFocusable();
    PaintHandler();
    OnEnabledSet();
}

void DrawnControl::UpdateFocusable()
{
    if (hwnd())
        SetFocusable(hwnd(), canTakeFocus() && m_enabled);
}

// --- messages ---

LRESULT DrawnControl::WindowProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    // Held before the events run: a handler may unload the form and with it restore the hook.
    const WndProc previous = m_hook.PreviousWindowProc();
    HandleMessage(uMsg, wParam, lParam);
    const LRESULT result = CallWindowProc(previous, hwnd, uMsg, wParam, lParam);
    if (uMsg == WM_DESTROY)
        m_hook.Restore();
    return result;
}

void DrawnControl::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_PAINT:
        // The persistent image already shows the control: the paint that follows draws nothing.
        m_imageCurrent = true;
        break;
    case WM_MOUSEHOVER:
        OnMouseHover();
        break;
    case WM_MOUSELEAVE:
        OnMouseLeave();
        break;
    default:
        RaiseMouseMessage(msg, wParam, lParam);
        break;
    }
}

void DrawnControl::OnMouseHover()
{
    if (m_mouseInside)
        return;
    if (MouseHover)
        MouseHover();
    m_mouseInside = true;
}

void DrawnControl::OnMouseLeave()
{
    if (MouseLeave)
        MouseLeave();
    m_mouseInside = false;
}

void DrawnControl::RaiseKeyDown(int KeyCode, int Shift)
{
    if (KeyDown)
        KeyDown(KeyCode, Shift);
}

void DrawnControl::RaiseKeyUp(int KeyCode, int Shift)
{
    if (KeyUp)
        KeyUp(KeyCode, Shift);
}

void DrawnControl::RaiseKeyPress(int KeyAscii)
{
    if (KeyPress)
        KeyPress(KeyAscii);
}

void DrawnControl::MoveFocusOn(bool forward)
{
    if (hwnd())
        MoveFocus(forward);
}

// --- drawing surface ---

void DrawnControl::setSurfaceBackColor(gfx::Color c)
{
    m_dc.setBackColor(c & 0x00FFFFFFu);
    ClearSurface();
}

void DrawnControl::ClearSurface() { m_face.fill(gfx::opaque(m_dc.backColor())); }

void DrawnControl::setSurfaceFont(const forms::FontDesc& font)
{
    m_font = font;
    m_dc.setFont(forms::openFont(font));
}

int DrawnControl::TextWidth(const std::string& text) const { return m_dc.font().textSize(text).width * Tx(); }

int DrawnControl::TextHeight(const std::string& text) const { return m_dc.font().textSize(text).height * Ty(); }

int DrawnControl::TextLineHeight() const { return m_dc.font().textExtent("A").height; }

void DrawnControl::DrawCaption(const std::string& text, gfx::Rect rect, unsigned format) { m_dc.drawText(text, rect, format); }

void DrawnControl::FrameRegion(const gfx::Region& region, gfx::Color color, int width, int height)
{
    m_dc.frameRegion(region, gfx::Brush::solid(color), width, height);
}

void DrawnControl::SetShape(std::optional<gfx::Region> region)
{
    if (!hwnd() || (!region && !m_hasShape))
        return;
    m_hasShape = region.has_value();
    SetWindowRgn(hwnd(), std::move(region));
}

unsigned DrawnControl::PrefixFormat() const { return m_useMnemonic ? 0u : gfx::DT_NOPREFIX; }

void DrawnControl::setUseMnemonic(bool on)
{
    m_imageCurrent = false;
    m_useMnemonic = on;
    PaintHandler();
}

void DrawnControl::SetSeeThrough(bool on, gfx::Color key)
{
    if (hwnd())
        SetWindowBlend(hwnd(), on ? Blend::ColorKey : Blend::Opaque, key);
}

void DrawnControl::ShowImage()
{
    if (!hwnd())
        return;
    gfx::Surface& img = image();
    if (img.width() != m_face.width() || img.height() != m_face.height())
        m_face.resize(img.width(), img.height(), gfx::opaque(m_dc.backColor()));
    if (!m_face.isEmpty())
        std::memcpy(img.pixels().data(), m_face.pixels().data(), m_face.pixels().size() * sizeof(uint32_t));
    gfx::DeviceContext over(img);
    for (const ImageHolder* h : m_holders)
        if (h->Visible() && h->HasPicture())
            over.drawPicture(h->Picture(), N(double(h->Left()) / Tx()), N(double(h->Top()) / Ty()));
    refreshImage();
}

void DrawnControl::PaintGradientRows(const RGBRecord& c1, const RGBRecord& c2, int width, int height, int first)
{
    qel::PaintGradientRows(m_dc, c1, c2, width, height, first);
    ShowImage();
}

void DrawnControl::PaintGradientColumns(const RGBRecord& c1, const RGBRecord& c2, int width, int height, int first)
{
    qel::PaintGradientColumns(m_dc, c1, c2, width, height, first);
    ShowImage();
}

gfx::Region CreateRoundRectRgn(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight)
{
    return gfx::Region::roundRect(left, top, right - 1, bottom - 1, ellipseWidth, ellipseHeight);
}

gfx::Region CreateRectRgn(int left, int top, int right, int bottom) { return gfx::Region::fromRect({left, top, right, bottom}); }

} // namespace qel
