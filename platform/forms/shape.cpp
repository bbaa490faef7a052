#include "platform/forms/shape.h"
#include "platform/forms/colors.h"
#include "platform/forms/property_bag.h"
#include "platform/forms/property_table.h"
#include "platform/gfx/device_context.h"
#include "platform/gfx/draw.h"
#include "platform/window/api.h"

namespace plat::forms {

using namespace plat::win;

void Shape::setShape(int shape)
{
    m_shape = shape;
    changed();
}
void Shape::setBorderColor(uint32_t color)
{
    m_borderColor = color;
    changed();
}
void Shape::setBorderWidth(int pixels)
{
    m_borderWidth = std::max(1, pixels);
    changed();
}
void Shape::setBorderStyle(int style)
{
    m_borderStyle = style;
    changed();
}
void Shape::setFillColor(uint32_t color)
{
    m_fillColor = color;
    changed();
}
void Shape::setFillStyle(int style)
{
    m_fillStyle = style;
    changed();
}
void Shape::setBackColor(uint32_t color)
{
    m_backColor = color;
    changed();
}
void Shape::setBackStyle(int style)
{
    m_backStyle = style;
    changed();
}

void Shape::onPlaced()
{
    SetFocusable(hwnd(), false);
    changed();
}

gfx::Region Shape::outline() const
{
    gfx::Rect r = gfx::Rect::fromSize(0, 0, pixelRect().width(), pixelRect().height());
    if (m_shape == Square || m_shape == Circle || m_shape == RoundedSquare) {
        int side = std::min(r.width(), r.height());
        r = gfx::Rect::fromSize((r.width() - side) / 2, (r.height() - side) / 2, side, side);
    }
    switch (m_shape) {
    case Oval:
    case Circle:
        return gfx::Region::ellipse(r);
    case RoundedRectangle:
    case RoundedSquare: {
        int corner = std::min(r.width(), r.height()) / 4;
        return gfx::Region::roundRect(r.left, r.top, r.right + 1, r.bottom + 1, corner, corner);
    }
    default:
        return gfx::Region::fromRect(r);
    }
}

void Shape::changed()
{
    if (m_loading || !hwnd())
        return;
    gfx::Region shape = outline();
    gfx::Surface& s = WindowImage(hwnd());
    s.fill(0xFF000000u);
    gfx::DeviceContext dc(s);
    bool insidePainted = m_backStyle == 1 || m_fillStyle == 0;
    if (m_backStyle == 1)
        dc.fillRegion(shape, gfx::Brush::solid(resolveColor(m_backColor)));
    if (m_fillStyle == 0)
        dc.fillRegion(shape, gfx::Brush::solid(resolveColor(m_fillColor)));
    gfx::Region border = gfx::regionFrame(shape, m_borderWidth, m_borderWidth);
    if (m_borderStyle != 0)
        dc.fillRegion(border, gfx::Brush::solid(resolveColor(m_borderColor)));
    gfx::Region covered = insidePainted ? shape : m_borderStyle != 0 ? border : gfx::Region();
    SetWindowRgn(hwnd(), covered);
    ImageChanged(hwnd());
}

LRESULT Shape::windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_SIZE) {
        changed();
        return 0;
    }
    return DefWindowProc(hwnd, msg, wParam, lParam);
}

const auto& Shape::storedProperties()
{
    using P = PropertiesOf<Shape>;
    static const auto table = propertyTable(P::property("Shape", &Shape::shape, &Shape::setShape, 0),
        P::property("BorderColor", &Shape::borderColor, &Shape::setBorderColor, 0x80000008u),
        P::property("BorderWidth", &Shape::borderWidth, &Shape::setBorderWidth, 1),
        P::property("BorderStyle", &Shape::borderStyle, &Shape::setBorderStyle, 1),
        P::property("FillColor", &Shape::fillColor, &Shape::setFillColor, 0u),
        P::property("FillStyle", &Shape::fillStyle, &Shape::setFillStyle, 1),
        P::property("BackColor", &Shape::backColor, &Shape::setBackColor, 0x80000005u),
        P::property("BackStyle", &Shape::backStyle, &Shape::setBackStyle, 0));
    return table;
}

void Shape::readProperties(PropertyBag& bag)
{
    m_loading = true;
    storedProperties().read(*this, bag);
    m_loading = false;
    changed();
}

void Shape::writeProperties(PropertyBag& bag) const { storedProperties().write(*this, bag); }

} // namespace plat::forms
