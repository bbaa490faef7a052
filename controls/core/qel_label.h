#pragma once
#include "controls/core/caption_control.h"
#include <string>

namespace qel {

// The custom-drawn text label: the caption in the surface's font at a chosen alignment, an
// optional one-pixel border, an opaque or see-through background and a grey look when
// disabled. No focus, no Click: hosts use its mouse events.
//
// Members, in interface order: WindowProc, hDc, hwnd, BackStyle, Caption, ForeColor, BackColor,
// Font, Enabled, Alignment, BorderStyle, BorderColor, AutoSize, UnRefreshControl, Refresh.
// Events: KeyDown, KeyPress, KeyUp, MouseHover, MouseLeave, MouseWheel, MouseDown, MouseUp,
// MouseDblClick, MouseMove.
class qelLabel : public CaptionControl {
public:
    std::string className() const override { return "qelLabel"; }

    // Exactly 1 draws a one-pixel frame.
    int32_t BorderStyle() const { return m_borderStyle; }
    void setBorderStyle(int32_t v) { Store(m_borderStyle, v); }
    uint32_t BorderColor() const { return m_borderColor; }
    void setBorderColor(uint32_t c) { Store(m_borderColor, c); }
    // True sizes the control to its caption once; any later resize turns it off.
    bool AutoSize() const { return m_autoSize; }
    void setAutoSize(bool on);

    void Refresh();

    static const auto& StoredProperties();
    void initProperties() override;
    void readProperties(plat::forms::PropertyBag& bag) override;
    void writeProperties(plat::forms::PropertyBag& bag) const override;

protected:
    // Labels take no part in the tab order.
    bool canTakeFocus() const override { return false; }
    void Redraw() override { Refresh(); }
    void OnResized() override { m_autoSize = false; }
    // The surface keeps the colour for its next clearing; the kept image changes only then.
    void ApplyBackColor() override;

private:
    // Stored layouts spell it "Autosize"; the pages reach it as AutoSize.
    static const auto& AutoSizeProperty();
    static const auto& BorderProperties();
    // The stored properties with AutoSize after the caption and font it sizes the label to.
    static const auto& ReadOrder();

    int32_t m_borderStyle{};
    uint32_t m_borderColor{};
    bool m_autoSize{};
    bool m_sizing = false;
};

inline const auto& qelLabel::AutoSizeProperty()
{
    using C = qelLabel;
    static const auto table = propertyTable(PropertiesOf<C>::property("Autosize", &C::AutoSize, &C::setAutoSize, false));
    return table;
}

inline const auto& qelLabel::BorderProperties()
{
    using C = qelLabel;
    using P = PropertiesOf<C>;
    static const auto table = propertyTable(P::property("BorderStyle", &C::BorderStyle, &C::setBorderStyle, 0).pages(),
        P::property("BorderColor", &C::BorderColor, &C::setBorderColor, 0xC56A31u));
    return table;
}

inline const auto& qelLabel::StoredProperties()
{
    static const auto table = join(AutoSizeProperty(), BorderProperties(), CaptionProperties(), AlignmentProperty(), DrawingFlags());
    return table;
}

inline const auto& qelLabel::ReadOrder()
{
    static const auto table = join(BorderProperties(), CaptionProperties(), AlignmentProperty(), AutoSizeProperty(), DrawingFlags());
    return table;
}

} // namespace qel
