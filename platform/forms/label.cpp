#include "platform/forms/label.h"
#include "platform/forms/colors.h"
#include "platform/forms/fonts.h"
#include "platform/forms/form.h"
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

void Label::initProperties()
{
    m_loading = true;
    setFont(formFont(*this));
    setCaption(name());
    m_loading = false;
    changed();
}

void Label::readProperties(PropertyBag& bag)
{
    m_loading = true;
    setCaption(bag.readProperty("Caption", ""));
    setAlignment(bag.readProperty("Alignment", 0));
    setBackStyle(bag.readProperty("BackStyle", 1));
    setForeColor(bag.readProperty("ForeColor", uint32_t(0x80000012u)));
    setBackColor(bag.readProperty("BackColor", uint32_t(0x8000000Fu)));
    setFont(bag.readProperty("Font", formFont(*this)));
    setBorderStyle(bag.readProperty("BorderStyle", 0));
    setWordWrap(bag.readProperty("WordWrap", false));
    setUseMnemonic(bag.readProperty("UseMnemonic", true));
    setAutoSize(bag.readProperty("AutoSize", false));
    m_loading = false;
    changed();
}

void Label::writeProperties(PropertyBag& bag) const
{
    bag.writeProperty("Caption", m_caption, "");
    bag.writeProperty("Alignment", m_alignment, 0);
    bag.writeProperty("BackStyle", m_backStyle, 1);
    bag.writeProperty("ForeColor", m_foreColor, 0x80000012u);
    bag.writeProperty("BackColor", m_backColor, 0x8000000Fu);
    bag.writeProperty("Font", m_font, formFont(*this));
    bag.writeProperty("BorderStyle", m_borderStyle, 0);
    bag.writeProperty("WordWrap", m_wordWrap, false);
    bag.writeProperty("UseMnemonic", m_useMnemonic, true);
    bag.writeProperty("AutoSize", m_autoSize, false);
}

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
