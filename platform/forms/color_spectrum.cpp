#include "platform/forms/color_spectrum.h"
#include "platform/forms/edges.h"
#include "platform/gfx/system_colors.h"
#include "platform/window/api.h"

namespace plat::forms {

using namespace plat::win;
using gfx::systemColor;

// --- press and drag ---

LRESULT ColorPickArea::windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    gfx::Point p{loWordSigned(lParam), hiWordSigned(lParam)};
    switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        m_dragging = true;
        pick(p);
        return 0;
    case WM_MOUSEMOVE:
        if (m_dragging && (wParam & MK_LBUTTON))
            pick(p);
        return 0;
    case WM_LBUTTONUP:
        m_dragging = false;
        return 0;
    default:
        return UserControl::windowProc(hwnd, msg, wParam, lParam);
    }
}

// --- spectrum ---

gfx::Rect ColorSpectrum::field() const
{
    gfx::Rect r = hwnd() ? GetWindowRect(hwnd()) : pixelRect();
    return {2, 2, std::max(2, r.width() - 2), std::max(2, r.height() - 2)};
}

void ColorSpectrum::setHueSaturation(int hue, int saturation)
{
    m_hue = std::clamp(hue, 0, kHslMax - 1);
    m_saturation = std::clamp(saturation, 0, kHslMax);
    redraw();
}

gfx::Point ColorSpectrum::pointOf(int hue, int saturation) const
{
    gfx::Rect f = field();
    int w = std::max(1, f.width() - 1), h = std::max(1, f.height() - 1);
    return {f.left + (hue * w + (kHslMax - 1) / 2) / (kHslMax - 1), f.top + ((kHslMax - saturation) * h + kHslMax / 2) / kHslMax};
}

void ColorSpectrum::onResize()
{
    m_field = {};
    redraw();
}

void ColorSpectrum::pick(gfx::Point p)
{
    gfx::Rect f = field();
    int w = std::max(1, f.width() - 1), h = std::max(1, f.height() - 1);
    int x = std::clamp(p.x - f.left, 0, w), y = std::clamp(p.y - f.top, 0, h);
    m_hue = std::min(kHslMax - 1, (x * (kHslMax - 1) + w / 2) / w);
    m_saturation = kHslMax - (y * kHslMax + h / 2) / h;
    redraw();
    if (onPick)
        onPick(m_hue, m_saturation);
}

void ColorSpectrum::redraw()
{
    if (!hwnd())
        return;
    gfx::DeviceContext& d = dc();
    gfx::Surface& s = d.surface();
    gfx::Rect f = field();
    if (m_field.width() != f.width() || m_field.height() != f.height()) {
        m_field = gfx::Surface(f.width(), f.height());
        int w = std::max(1, f.width() - 1), h = std::max(1, f.height() - 1);
        for (int y = 0; y < f.height(); ++y)
            for (int x = 0; x < f.width(); ++x)
                m_field.setPixel(x, y, gfx::opaque(hslToRgb({x * (kHslMax - 1) / w, kHslMax - y * kHslMax / h, kHslMax / 2})));
    }
    d.fillRect(s.rect(), systemColor(gfx::ColorBtnFace));
    drawSunkenEdge(d, s.rect());
    d.bitBlt(f.left, f.top, f.width(), f.height(), m_field, 0, 0);
    // The cross: four short black strokes around the point, the point itself left clear.
    gfx::Point c = pointOf(m_hue, m_saturation);
    d.setClipRegion(gfx::Region::fromRect(f));
    gfx::Color black = 0;
    d.fillRect({c.x - 9, c.y - 1, c.x - 3, c.y + 2}, black);
    d.fillRect({c.x + 4, c.y - 1, c.x + 10, c.y + 2}, black);
    d.fillRect({c.x - 1, c.y - 9, c.x + 2, c.y - 3}, black);
    d.fillRect({c.x - 1, c.y + 4, c.x + 2, c.y + 10}, black);
    d.setClipRegion(std::nullopt);
    refreshImage();
}

// --- luminance bar ---

gfx::Rect LuminanceBar::bar() const
{
    gfx::Rect r = hwnd() ? GetWindowRect(hwnd()) : pixelRect();
    return {0, 2, std::max(0, r.width() - 10), std::max(2, r.height() - 2)};
}

int LuminanceBar::yOf(int luminance) const
{
    gfx::Rect b = bar();
    int h = std::max(1, b.height() - 1);
    return b.top + ((kHslMax - luminance) * h + kHslMax / 2) / kHslMax;
}

void LuminanceBar::setHueSaturation(int hue, int saturation)
{
    m_hue = hue;
    m_saturation = saturation;
    redraw();
}

void LuminanceBar::setLuminance(int luminance)
{
    m_luminance = std::clamp(luminance, 0, kHslMax);
    redraw();
}

void LuminanceBar::pick(gfx::Point p)
{
    gfx::Rect b = bar();
    int h = std::max(1, b.height() - 1);
    int offset = std::clamp(p.y - b.top, 0, h);
    m_luminance = kHslMax - (offset * kHslMax + h / 2) / h;
    redraw();
    if (onPick)
        onPick(m_luminance);
}

void LuminanceBar::redraw()
{
    if (!hwnd())
        return;
    gfx::DeviceContext& d = dc();
    gfx::Surface& s = d.surface();
    d.fillRect(s.rect(), systemColor(gfx::ColorBtnFace));
    gfx::Rect b = bar();
    int h = std::max(1, b.height() - 1);
    for (int y = b.top; y < b.bottom; ++y)
        d.fillRect({b.left, y, b.right, y + 1}, hslToRgb({m_hue, m_saturation, kHslMax - (y - b.top) * kHslMax / h}));
    // The marker: a small triangle pointing at the bar.
    int my = yOf(m_luminance);
    for (int i = 0; i < 5; ++i)
        d.fillRect({b.right + 2 + i, my - i, b.right + 3 + i, my + i + 1}, systemColor(gfx::ColorBtnText));
    refreshImage();
}

} // namespace plat::forms
