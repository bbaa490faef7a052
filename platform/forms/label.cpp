#include "platform/forms/label.h"
#include "platform/forms/colors.h"
#include "platform/forms/fonts.h"
#include "platform/forms/form.h"
#include "platform/forms/look_properties.h"
#include "platform/forms/property_bag.h"
#include "platform/gfx/device_context.h"
#include "platform/gfx/system_colors.h"
#include "platform/gfx/text_layout.h"
#include "platform/window/api.h"
#include "platform/window/twips.h"

namespace plat::forms {

using namespace plat::win;

Label::Label() : ColorsAndFont(0x80000012u, 0x8000000Fu) {}

void Label::setCaption(std::string caption)
{
    m_caption = std::move(caption);
    changed();
}
void Label::setAlignment(int alignment)
{
    m_alignment = alignment;
    changed();
}
void Label::setBackStyle(int backStyle)
{
    m_backStyle = backStyle;
    changed();
}
void Label::lookChanged(Look what)
{
    if (what == Look::Font)
        m_fontCurrent = false;
    changed();
}
void Label::setBorderStyle(int style)
{
    m_borderStyle = style;
    changed();
}
void Label::setAutoSize(bool on)
{
    m_autoSize = on;
    changed();
}
void Label::setWordWrap(bool on)
{
    m_wordWrap = on;
    changed();
}
void Label::setUseMnemonic(bool on)
{
    m_useMnemonic = on;
    changed();
}
void Label::setEnabled(bool enabled)
{
    Control::setEnabled(enabled);
    changed();
}

// A new label shows its name in the form's font.
const auto& Label::storedProperties()
{
    using P = PropertiesOf<Label>;
    static const auto table = propertyTable(
        P::property("Caption", &Label::caption, &Label::setCaption, std::string(), &Label::name),
        P::property("Alignment", &Label::alignment, &Label::setAlignment, 0, keepsItsValue),
        P::property("BackStyle", &Label::backStyle, &Label::setBackStyle, 1, keepsItsValue),
        P::property("ForeColor", &Label::foreColor, &Label::setForeColor, 0x80000012u, keepsItsValue),
        P::property("BackColor", &Label::backColor, &Label::setBackColor, 0x8000000Fu, keepsItsValue),
        P::property("Font", &Label::font, &Label::setFont, formFontRule),
        P::property("BorderStyle", &Label::borderStyle, &Label::setBorderStyle, 0, keepsItsValue),
        P::property("WordWrap", &Label::wordWrap, &Label::setWordWrap, false, keepsItsValue),
        P::property("UseMnemonic", &Label::useMnemonic, &Label::setUseMnemonic, true, keepsItsValue),
        P::property("AutoSize", &Label::autoSize, &Label::setAutoSize, false, keepsItsValue));
    return table;
}

void Label::initProperties()
{
    m_loading = true;
    storedProperties().init(*this);
    m_loading = false;
    changed();
}

void Label::readProperties(PropertyBag& bag)
{
    m_loading = true;
    storedProperties().read(*this, bag);
    m_loading = false;
    changed();
}

void Label::writeProperties(PropertyBag& bag) const { storedProperties().write(*this, bag); }

HWND Label::createWindow(HWND parent, const gfx::Rect& pixels)
{
    HWND h = Control::createWindow(parent, pixels);
    SetFocusable(h, false);
    return h;
}

LRESULT Label::windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (raiseMouseEvents(hwnd, msg, wParam, lParam))
        return 0;
    if (msg == WM_SIZE && !m_sizing) {
        redraw();
        return 0;
    }
    return DefWindowProc(hwnd, msg, wParam, lParam);
}

const gfx::Font& Label::drawFont()
{
    if (!m_fontCurrent) {
        m_drawFont = openFont(m_font);
        m_fontCurrent = true;
    }
    return m_drawFont;
}

unsigned Label::textFormat() const
{
    unsigned f = m_alignment == 1 ? gfx::DT_RIGHT : m_alignment == 2 ? gfx::DT_CENTER : gfx::DT_LEFT;
    // A label breaks its lines at its width, except one that grows across to fit its text.
    if (!(m_autoSize && !m_wordWrap))
        f |= gfx::DT_WORDBREAK;
    if (!m_useMnemonic)
        f |= gfx::DT_NOPREFIX;
    return f;
}

void Label::changed()
{
    if (m_loading || !hwnd())
        return;
    if (m_autoSize)
        fitToText();
    redraw();
}

void Label::fitToText()
{
    int border = m_borderStyle == 1 ? 1 : 0;
    gfx::Rect r{0, 0, m_wordWrap ? std::max(1, pixelRect().width() - 2 * border) : 0x7FFF, 0};
    gfx::Surface scratch(1, 1);
    gfx::DeviceContext dc(scratch);
    dc.setFont(drawFont());
    dc.drawText(m_caption, r, textFormat() | gfx::DT_CALCRECT);
    double w = m_wordWrap ? width() : twipsFromPixels(r.width() + 2 * border);
    double h = twipsFromPixels(std::max(r.height(), drawFont().metrics().height) + 2 * border);
    m_sizing = true;
    move(left(), top(), w, h);
    m_sizing = false;
}

void Label::redraw()
{
    if (!hwnd())
        return;
    gfx::Surface& s = WindowImage(hwnd());
    gfx::Color fore = enabled() ? resolveColor(m_foreColor) : gfx::systemColor(gfx::ColorGrayText);
    if (m_backStyle == 1) {
        SetWindowBlend(hwnd(), Blend::Opaque);
        s.fill(gfx::opaque(resolveColor(m_backColor)));
    } else {
        // See-through: the text colour at no opacity, so the edges of the letters blend cleanly.
        SetWindowBlend(hwnd(), Blend::Alpha);
        s.fill(fore & 0x00FFFFFFu);
    }
    gfx::DeviceContext dc(s);
    gfx::Rect r = s.rect();
    if (m_borderStyle == 1) {
        dc.frameRect(r, gfx::systemColor(gfx::ColorWindowFrame));
        r = {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
    }
    dc.setClipRegion(gfx::Region::fromRect(r));
    dc.setFont(drawFont());
    dc.setTextColor(fore);
    dc.setBackMode(gfx::BackMode::Transparent);
    dc.drawText(m_caption, r, textFormat());
    ImageChanged(hwnd());
}

} // namespace plat::forms
