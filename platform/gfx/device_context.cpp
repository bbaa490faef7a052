#include "platform/gfx/device_context.h"

#include "platform/gfx/draw.h"
#include "platform/gfx/picture.h"
#include "platform/gfx/text_layout.h"
#include "platform/gfx/text_render.h"
#include "platform/system/utf8.h"

namespace plat::gfx {

DeviceContext::DeviceContext(Surface& surface)
    : m_surface(&surface)
{
}

const Font& DeviceContext::font() const
{
    if (m_font.isNull()) {
        static const Font fallback = Font::open("宋体", 9);
        return fallback;
    }
    return m_font;
}

Clip DeviceContext::clip() const
{
    return Clip(m_surface->rect(), m_clip ? &*m_clip : nullptr);
}

Clip DeviceContext::clipWithin(const Rect& deviceRect) const
{
    return Clip(m_surface->rect().intersect(deviceRect), m_clip ? &*m_clip : nullptr);
}

void DeviceContext::clear(Color c)
{
    gfx::fillRect(*m_surface, m_surface->rect(), opaque(c), clip());
}

void DeviceContext::setPixel(int x, int y, Color c)
{
    Point d{x + m_origin.x, y + m_origin.y};
    if (clip().contains(d.x, d.y))
        m_surface->setPixel(d.x, d.y, opaque(c));
}

Color DeviceContext::pixel(int x, int y) const
{
    Point d{x + m_origin.x, y + m_origin.y};
    if (!m_surface->rect().contains(d.x, d.y))
        return 0xFFFFFFFFu;
    return m_surface->colorAt(d.x, d.y);
}

void DeviceContext::moveTo(int x, int y)
{
    m_position = {x, y};
}

void DeviceContext::lineTo(int x, int y)
{
    if (m_pen.style == Pen::Style::Solid)
        drawLine(*m_surface, {m_position.x + m_origin.x, m_position.y + m_origin.y}, {x + m_origin.x, y + m_origin.y},
            opaque(m_pen.color), clip());
    m_position = {x, y};
}

void DeviceContext::line(int x1, int y1, int x2, int y2)
{
    moveTo(x1, y1);
    lineTo(x2, y2);
}

void DeviceContext::fillRect(const Rect& r, Color c)
{
    gfx::fillRect(*m_surface, toDevice(r), opaque(c), clip());
}

void DeviceContext::fillRect(const Rect& r, const Brush& brush)
{
    if (brush.style == Brush::Style::Solid)
        fillRect(r, brush.color);
}

void DeviceContext::rectangle(const Rect& r)
{
    if (r.isEmpty())
        return;
    Rect inside{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
    if (m_pen.style == Pen::Style::Null)
        inside = r;
    if (m_brush.style == Brush::Style::Solid && !inside.isEmpty())
        fillRect(inside, m_brush.color);
    if (m_pen.style == Pen::Style::Solid)
        frameRect(r, m_pen.color);
}

void DeviceContext::frameRect(const Rect& r, Color c)
{
    gfx::frameRect(*m_surface, toDevice(r), opaque(c), clip());
}

void DeviceContext::fillRegion(const Region& region, const Brush& brush)
{
    if (brush.style == Brush::Style::Solid)
        gfx::fillRegion(*m_surface, region.offset(m_origin.x, m_origin.y), opaque(brush.color), clip());
}

void DeviceContext::frameRegion(const Region& region, const Brush& brush, int width, int height)
{
    if (brush.style == Brush::Style::Solid)
        gfx::frameRegion(*m_surface, region.offset(m_origin.x, m_origin.y), opaque(brush.color), width, height, clip());
}

void DeviceContext::invertRect(const Rect& r)
{
    gfx::invertRect(*m_surface, toDevice(r), clip());
}

void DeviceContext::drawFocusRect(const Rect& r)
{
    gfx::drawFocusRect(*m_surface, toDevice(r), clip());
}

void DeviceContext::bitBlt(int x, int y, int w, int h, const Surface& src, int sx, int sy, Rop rop)
{
    Rect d = toDevice(Rect::fromSize(x, y, w, h));
    blit(*m_surface, {d.left, d.top}, src, Rect::fromSize(sx, sy, w, h), clipWithin(d), rop);
}

void DeviceContext::transparentBlt(int x, int y, int w, int h, const Surface& src, int sx, int sy, Color key)
{
    Rect d = toDevice(Rect::fromSize(x, y, w, h));
    blitKeyed(*m_surface, {d.left, d.top}, src, Rect::fromSize(sx, sy, w, h), key, clipWithin(d));
}

void DeviceContext::stretchBlt(const Rect& dst, const Surface& src, const Rect& srcRect, StretchMode mode)
{
    Rect d = toDevice(dst);
    stretchBlit(*m_surface, d, src, srcRect, clipWithin(d), mode);
}

void DeviceContext::alphaBlend(const Rect& dst, const Surface& src, const Rect& srcRect, uint8_t constantAlpha)
{
    Rect d = toDevice(dst);
    alphaBlendStretched(*m_surface, d, src, srcRect, clipWithin(d), StretchMode::Bilinear, constantAlpha);
}

void DeviceContext::drawPicture(const Picture& picture, int x, int y, int w, int h)
{
    if (picture.isEmpty())
        return;
    const Surface& img = picture.image();
    alphaBlend(Rect::fromSize(x, y, w > 0 ? w : img.width(), h > 0 ? h : img.height()), img, img.rect());
}

void DeviceContext::textOut(int x, int y, std::string_view utf8)
{
    TextLineStyle style;
    style.color = m_textColor;
    if (m_backMode == BackMode::Opaque)
        style.background = m_backColor;
    drawTextLine(*m_surface, clip(), font(), {x + m_origin.x, y + m_origin.y}, sys::decodeUtf8(utf8), style);
}

int DeviceContext::drawText(std::string_view utf8, Rect& rect, unsigned format)
{
    const Font& f = font();
    TextLayout layout = layoutText(f, utf8, rect, format);
    if (format & DT_CALCRECT) {
        rect = layout.bounds;
        return layout.height;
    }
    const Clip area = (format & DT_NOCLIP) ? clip() : clipWithin(toDevice(rect));
    TextLineStyle style;
    style.color = m_textColor;
    if (m_backMode == BackMode::Opaque)
        style.background = m_backColor;
    for (const LaidLine& line : layout.lines) {
        style.mnemonics = &line.mnemonic;
        drawTextLine(*m_surface, area, f, {line.origin.x + m_origin.x, line.origin.y + m_origin.y}, line.text, style);
    }
    return layout.height;
}

Size DeviceContext::textExtent(std::string_view utf8) const
{
    return font().textExtent(utf8);
}

} // namespace plat::gfx
