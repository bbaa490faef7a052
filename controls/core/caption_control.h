#pragma once
#include "controls/core/drawn_control.h"
#include "controls/core/property_table.h"
#include "platform/forms/font_desc.h"
#include "platform/forms/property_bag.h"
#include <cstdint>
#include <string>

namespace qel {

// What the label, the check box and the option button share: a Caption drawn in the surface's
// font, in ForeColor while enabled and grey while not, placed by Alignment, over BackColor that
// is opaque or see-through by BackStyle; and the stored keys of those properties.
class CaptionControl : public DrawnControl {
public:
    // 0 see-through (pixels of exactly BackColor show what lies behind), any other value opaque.
    int32_t BackStyle() const { return m_backStyle; }
    void setBackStyle(int32_t style);
    // Repaints, then leaves the image marked current.
    const std::string& Caption() const { return m_caption; }
    void setCaption(const std::string& caption);
    uint32_t ForeColor() const { return m_foreColor; }
    void setForeColor(uint32_t color);
    uint32_t BackColor() const { return m_backColor; }
    void setBackColor(uint32_t color);
    const plat::forms::FontDesc& Font() const { return SurfaceFont(); }
    void setFont(const plat::forms::FontDesc& font);
    // 0 left, 2 centred, 1 and every other value right.
    int32_t Alignment() const { return m_alignment; }
    void setAlignment(int32_t alignment);

    static constexpr uint32_t kDisabledTextColor = 0x99A8AC;

protected:
    // The new BackColor on the surface (the label keeps it for the next clearing, the choice
    // controls fill the surface with it).
    virtual void ApplyBackColor() = 0;
    // The new BackStyle, before the repaint.
    virtual void OnBackStyleSet() {}

    // The stored keys from "BackColor" to "Enabled", in the order the controls share.
    static const auto& CaptionProperties();
    // "Alignment", which each control stores at a place of its own after them.
    static const auto& AlignmentProperty();
    // The closing keys "UnRefreshControl" and "UseMnemonic".
    static const auto& DrawingFlags();

    // The start of a Refresh: the text colour by Enabled, the colours translated in place.
    void PrepareCaptionColors();
    // The DrawText format of Alignment, with the mnemonic rule.
    unsigned CaptionFormat() const;

    int32_t m_backStyle{};
    std::string m_caption{};
    uint32_t m_foreColor{};
    uint32_t m_backColor{};
    int32_t m_alignment{};
};

inline const auto& CaptionControl::CaptionProperties()
{
    using C = CaptionControl;
    using P = PropertiesOf<C>;
    static const auto table = propertyTable(
        // A new control starts white; a layout that leaves BackColor out reads as grey.
        P::property("BackColor", &C::BackColor, &C::setBackColor, 0xC0C0C0u, 0xFFFFFFu),
        P::property("BackStyle", &C::BackStyle, &C::setBackStyle, 1).pages(),
        P::property("Caption", &C::Caption, &C::setCaption, std::string("Caption")).pages(),
        P::property("Font", &C::Font, &C::setFont, ambientFont<C>(), ambientTypeface<C>()),
        P::property("ForeColor", &C::ForeColor, &C::setForeColor, 0u), P::property("Enabled", &C::Enabled, &C::setEnabled, true).pages());
    return table;
}

inline const auto& CaptionControl::AlignmentProperty()
{
    using C = CaptionControl;
    static const auto table = propertyTable(PropertiesOf<C>::property("Alignment", &C::Alignment, &C::setAlignment, 0).pages());
    return table;
}

inline const auto& CaptionControl::DrawingFlags()
{
    using C = CaptionControl;
    using P = PropertiesOf<C>;
    static const auto table = propertyTable(P::property("UnRefreshControl", &C::UnRefreshControl, &C::setUnRefreshControl, false),
        P::property("UseMnemonic", &C::UseMnemonic, &C::setUseMnemonic, true, keepsItsValue));
    return table;
}

} // namespace qel
