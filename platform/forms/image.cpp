#include "platform/forms/image.h"
#include "platform/forms/pictures.h"
#include "platform/forms/property_bag.h"
#include "platform/forms/property_table.h"
#include "platform/gfx/device_context.h"
#include "platform/gfx/system_colors.h"
#include "platform/window/api.h"
#include "platform/window/twips.h"

namespace plat::forms {

using namespace plat::win;

void Image::setPicture(const PictureRef& picture)
{
    m_pictureRef = picture;
    m_picture = loadPicture(picture);
    changed();
}

void Image::setPicture(gfx::Picture picture)
{
    m_pictureRef = {};
    m_picture = std::move(picture);
    changed();
}

void Image::setStretch(bool on)
{
    m_stretch = on;
    changed();
}

void Image::setBorderStyle(int style)
{
    m_borderStyle = style;
    changed();
}

void Image::onPlaced()
{
    SetWindowBlend(hwnd(), Blend::Alpha);
    SetFocusable(hwnd(), false);
    changed();
}

void Image::changed()
{
    if (m_loading || !hwnd())
        return;
    if (!m_stretch && !m_picture.isEmpty()) {
        int b = m_borderStyle == 1 ? 1 : 0;
        m_sizing = true;
        move(left(), top(), twipsFromPixels(m_picture.width() + 2 * b), twipsFromPixels(m_picture.height() + 2 * b));
        m_sizing = false;
    }
    redraw();
}

void Image::redraw()
{
    if (!hwnd())
        return;
    gfx::Surface& s = WindowImage(hwnd());
    s.fill(0x00000000u);
    gfx::DeviceContext dc(s);
    gfx::Rect inner = s.rect();
    if (m_borderStyle == 1) {
        dc.frameRect(inner, gfx::systemColor(gfx::ColorWindowFrame));
        inner = {inner.left + 1, inner.top + 1, inner.right - 1, inner.bottom - 1};
    }
    if (!m_picture.isEmpty()) {
        if (m_stretch)
            dc.alphaBlend(inner, m_picture.image(), m_picture.image().rect());
        else
            dc.drawPicture(m_picture, inner.left, inner.top);
    }
    ImageChanged(hwnd());
}

const auto& Image::storedProperties()
{
    using P = PropertiesOf<Image>;
    static const auto table = propertyTable(P::property("Stretch", &Image::stretch, &Image::setStretch, false),
        P::property("BorderStyle", &Image::borderStyle, &Image::setBorderStyle, 0),
        P::property("Picture", &Image::picture, [](Image& image, const PictureRef& picture) { image.setPicture(picture); }, PictureRef{}));
    return table;
}

void Image::readProperties(PropertyBag& bag)
{
    m_loading = true;
    storedProperties().read(*this, bag);
    m_loading = false;
    changed();
}

void Image::writeProperties(PropertyBag& bag) const { storedProperties().write(*this, bag); }

LRESULT Image::windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (raiseMouseEvents(hwnd, msg, wParam, lParam))
        return 0;
    if (msg == WM_SIZE && !m_sizing) {
        redraw();
        return 0;
    }
    return DefWindowProc(hwnd, msg, wParam, lParam);
}

} // namespace plat::forms
