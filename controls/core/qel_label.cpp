#include "controls/core/qel_label.h"
#include "platform/gfx/system_colors.h"
#include "platform/gfx/text_layout.h"

namespace qel {

using namespace plat;

namespace {
constexpr gfx::Color kDisabledText = 0x99A8AC;
} // namespace

void qelLabel::setBackStyle(int32_t v) { Store(m_backStyle, v); }

void qelLabel::setCaption(const std::string& caption)
{
    Store(m_caption, caption);
    m_imageCurrent = true;
}

void qelLabel::setForeColor(uint32_t c)
{
    m_foreColor = c;
    hDc().setTextColor(gfx::toRgb(c));
    PropertyChanged();
}

void qelLabel::setBackColor(uint32_t c)
{
    m_backColor = c;
    // The surface keeps the colour for its next clearing; the kept image changes only then.
    hDc().setBackColor(gfx::toRgb(c));
    PropertyChanged();
}

void qelLabel::setFont(const forms::FontDesc& font)
{
    setSurfaceFont(font);
    PropertyChanged();
}

void qelLabel::setAutoSize(bool on)
{
    if (on) {
        const int w = TextWidth(m_caption), h = TextHeight(m_caption);
        move(left(), top(), w, h);
    }
    Store(m_autoSize, on);
    m_imageCurrent = true;
}

void qelLabel::Refresh()
{
    if (m_unRefreshControl)
        return;
    ClearSurface();
    hDc().setTextColor(Enabled() ? gfx::toRgb(m_foreColor) : kDisabledText);
    TranslateColor(m_backColor);
    TranslateColor(m_foreColor);
    TranslateColor(m_borderColor);

    const gfx::Rect rect{1, 1, N(SW() / Tx() - 1), N(SH() / Ty() + 1)};
    const unsigned align = m_alignment == 0 ? gfx::DT_LEFT : m_alignment == 2 ? gfx::DT_CENTER : gfx::DT_RIGHT;
    DrawCaption(m_caption, rect, align | PrefixFormat());

    if (m_borderStyle == 1)
        FrameRegion(CreateRectRgn(0, 0, N(SW() / Tx()), N(SH() / Ty())), m_borderColor, 1, 1);

    if (m_backStyle == 0)
        SetSeeThrough(true, m_backColor);
    else
        SetSeeThrough(false);
    ShowImage();
    m_imageCurrent = true;
}

void qelLabel::initProperties()
{
    BeginLoading();
    setBackColor(0xFFFFFF);
    setBackStyle(1);
    setCaption("Caption");
    forms::FontDesc font = Font();
    font.name = ambient().font.name;
    setFont(font);
    setForeColor(0);
    setEnabled(true);
    setAutoSize(false);
    setBorderColor(0xC56A31);
    setBorderStyle(0);
    setAlignment(0);
    setUnRefreshControl(false);
    EndInitialising();
    PaintHandler();
}

void qelLabel::readProperties(forms::PropertyBag& bag)
{
    BeginLoading();
    setBackColor(bag.readProperty("BackColor", uint32_t(0xC0C0C0)));
    setBackStyle(bag.readProperty("BackStyle", int32_t(1)));
    setCaption(bag.readProperty("Caption", "Caption"));
    setFont(bag.readProperty("Font", ambient().font));
    setForeColor(bag.readProperty("ForeColor", uint32_t(0)));
    setEnabled(bag.readProperty("Enabled", true));
    setAlignment(bag.readProperty("Alignment", int32_t(0)));
    setBorderColor(bag.readProperty("BorderColor", uint32_t(0xC56A31)));
    setAutoSize(bag.readProperty("AutoSize", false));
    setBorderStyle(bag.readProperty("BorderStyle", int32_t(0)));
    setUnRefreshControl(bag.readProperty("UnRefreshControl", false));
    setUseMnemonic(bag.readProperty("UseMnemonic", true));
    EndReading();
}

void qelLabel::writeProperties(forms::PropertyBag& bag) const
{
    bag.writeProperty("Autosize", m_autoSize, false);
    bag.writeProperty("BorderStyle", m_borderStyle, 0);
    bag.writeProperty("BorderColor", m_borderColor, 0xC56A31);
    bag.writeProperty("BackColor", m_backColor, 0xC0C0C0);
    bag.writeProperty("BackStyle", m_backStyle, 1);
    bag.writeProperty("Caption", m_caption, "Caption");
    bag.writeProperty("Font", Font(), ambient().font);
    bag.writeProperty("ForeColor", m_foreColor, 0);
    bag.writeProperty("Enabled", Enabled(), true);
    bag.writeProperty("Alignment", m_alignment, 0);
    bag.writeProperty("UnRefreshControl", m_unRefreshControl, false);
    bag.writeProperty("UseMnemonic", m_useMnemonic, true);
}

} // namespace qel
