#include "platform/forms/picture_box.h"
#include "platform/forms/colors.h"
#include "platform/forms/fonts.h"
#include "platform/forms/pictures.h"
#include "platform/forms/property_bag.h"
#include "platform/forms/user_control.h"
#include "platform/forms/look_properties.h"
#include "platform/gfx/system_colors.h"
#include "platform/window/api.h"
#include "platform/window/twips.h"

namespace plat::forms {

using namespace plat::win;

PictureBox::PictureBox() : ColorsAndFont(0x80000012u, 0x8000000Fu) {}
PictureBox::~PictureBox() = default;

void PictureBox::setPicture(const PictureRef& picture)
{
    m_pictureRef = picture;
    m_picture = loadPicture(picture);
    changed();
}

void PictureBox::setPicture(gfx::Picture picture)
{
    m_pictureRef = {};
    m_picture = std::move(picture);
    changed();
}

void PictureBox::lookChanged(Look what)
{
    if (what == Look::BackColor) {
        changed();
        return;
    }
    // A drawing context made later takes both when it is made.
    if (!m_dc)
        return;
    if (what == Look::ForeColor) {
        m_dc->setForeColor(resolveColor(m_foreColor));
        m_dc->setTextColor(resolveColor(m_foreColor));
    } else {
        m_dc->setFont(openFont(m_font));
    }
}

void PictureBox::setBorderStyle(int style)
{
    m_borderStyle = style;
    changed();
}

void PictureBox::setAutoSize(bool on)
{
    m_autoSize = on;
    changed();
}

double PictureBox::scaleWidth() const { return twipsFromPixels(std::max(0, pixelRect().width() - 2 * borderPixels())); }
double PictureBox::scaleHeight() const { return twipsFromPixels(std::max(0, pixelRect().height() - 2 * borderPixels())); }

gfx::DeviceContext& PictureBox::dc()
{
    if (!m_dc) {
        static gfx::Surface none(1, 1);
        m_dc = std::make_unique<gfx::DeviceContext>(hwnd() ? WindowImage(hwnd()) : none);
        m_dc->setFont(openFont(m_font));
        m_dc->setForeColor(resolveColor(m_foreColor));
        m_dc->setTextColor(resolveColor(m_foreColor));
        m_dc->setBackMode(gfx::BackMode::Transparent);
    }
    return *m_dc;
}

void PictureBox::onPlaced()
{
    m_dc.reset();
    cls();
}

void PictureBox::changed()
{
    if (m_loading || !hwnd())
        return;
    if (m_autoSize && !m_picture.isEmpty())
        move(left(), top(), twipsFromPixels(m_picture.width() + 2 * borderPixels()), twipsFromPixels(m_picture.height() + 2 * borderPixels()));
    cls();
}

void PictureBox::cls()
{
    if (!hwnd())
        return;
    gfx::Surface& s = WindowImage(hwnd());
    s.fill(gfx::opaque(resolveColor(m_backColor)));
    gfx::DeviceContext paint(s);
    int b = borderPixels();
    if (b) {
        // Sunken: dark at the top and left, light at the bottom and right.
        gfx::Rect r = s.rect();
        paint.fillRect({r.left, r.top, r.right, r.top + 1}, gfx::systemColor(gfx::ColorBtnShadow));
        paint.fillRect({r.left, r.top, r.left + 1, r.bottom}, gfx::systemColor(gfx::ColorBtnShadow));
        paint.fillRect({r.left + 1, r.top + 1, r.right - 1, r.top + 2}, gfx::systemColor(gfx::Color3DDkShadow));
        paint.fillRect({r.left + 1, r.top + 1, r.left + 2, r.bottom - 1}, gfx::systemColor(gfx::Color3DDkShadow));
        paint.fillRect({r.left, r.bottom - 1, r.right, r.bottom}, gfx::systemColor(gfx::ColorBtnHighlight));
        paint.fillRect({r.right - 1, r.top, r.right, r.bottom}, gfx::systemColor(gfx::ColorBtnHighlight));
        paint.fillRect({r.left + 1, r.bottom - 2, r.right - 1, r.bottom - 1}, gfx::systemColor(gfx::Color3DLight));
        paint.fillRect({r.right - 2, r.top + 1, r.right - 1, r.bottom - 1}, gfx::systemColor(gfx::Color3DLight));
    }
    if (!m_picture.isEmpty()) {
        paint.setClipRegion(gfx::Region::fromRect({b, b, s.width() - b, s.height() - b}));
        paint.drawPicture(m_picture, b, b);
    }
    dc().setOrigin({b, b});
    ImageChanged(hwnd());
}

void PictureBox::refresh()
{
    if (hwnd())
        ImageChanged(hwnd());
}

// A new picture box takes the form's font and keeps the rest.
const auto& PictureBox::storedProperties()
{
    using P = PropertiesOf<PictureBox>;
    static const auto table = propertyTable(
        P::property("Picture", &PictureBox::picture, [](PictureBox& box, const PictureRef& picture) { box.setPicture(picture); },
            PictureRef{}, keepsItsValue),
        P::property("BackColor", &PictureBox::backColor, &PictureBox::setBackColor, 0x8000000Fu, keepsItsValue),
        P::property("ForeColor", &PictureBox::foreColor, &PictureBox::setForeColor, 0x80000012u, keepsItsValue),
        P::property("Font", &PictureBox::font, &PictureBox::setFont, formFontRule),
        P::property("BorderStyle", &PictureBox::borderStyle, &PictureBox::setBorderStyle, 1, keepsItsValue),
        P::property("AutoSize", &PictureBox::autoSize, &PictureBox::setAutoSize, false, keepsItsValue));
    return table;
}

void PictureBox::initProperties()
{
    m_loading = true;
    storedProperties().init(*this);
    m_loading = false;
    changed();
}

void PictureBox::readProperties(PropertyBag& bag)
{
    m_loading = true;
    storedProperties().read(*this, bag);
    m_loading = false;
    changed();
}

void PictureBox::writeProperties(PropertyBag& bag) const { storedProperties().write(*this, bag); }

LRESULT PictureBox::windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN)
        setFocus();
    if (raiseMouseEvents(hwnd, msg, wParam, lParam))
        return 0;
    switch (msg) {
    case WM_SIZE:
        cls();
        if (onResize)
            onResize();
        return 0;
    case WM_KEYDOWN:
    case WM_KEYUP: {
        int code = int(wParam);
        raiseKeyEvent(msg, code, currentShiftState());
        return 0;
    }
    case WM_CHAR: {
        int ascii = int(wParam);
        raiseKeyPress(ascii);
        return 0;
    }
    default:
        return DefWindowProc(hwnd, msg, wParam, lParam);
    }
}

} // namespace plat::forms
