#pragma once
#include "controls/text/first_bar_properties.h"
#include "controls/text/fixed_point.h"
#include "platform/window/types.h"
#include <cstdint>

namespace qel {

class qelVScrollPrivate;

// A copy of the settings of an embedded vertical bar, as a host's VScroll member hands it out
// and takes it back: a passive record without a window. Every Let stores its argument as it
// is; nothing reaches a bar until the object is assigned to a host's VScroll. Min, Max, Height,
// hDc and hwnd have no public Let: the host fills them from its bar when it makes the copy.
class qelPrivateScroll {
public:
    qelPrivateScroll();

    // A new record's values (in the order it takes them) and the members the property pages
    // reach. The record is never stored, so each entry's one default is the new record's value.
    static const auto& Settings();

    plat::win::HWND hDc() const { return m_hDc; }
    plat::win::HWND hwnd() const { return m_hwnd; }
    uint32_t BackColor() const { return m_backColor; }
    void setBackColor(uint32_t c) { m_backColor = c; }
    uint32_t BorderColor() const { return m_borderColor; }
    void setBorderColor(uint32_t c) { m_borderColor = c; }
    uint32_t ArrowColor() const { return m_arrowColor; }
    void setArrowColor(uint32_t c) { m_arrowColor = c; }
    uint32_t FrontColor() const { return m_frontColor; }
    void setFrontColor(uint32_t c) { m_frontColor = c; }
    bool Enabled() const { return m_enabled; }
    void setEnabled(bool on) { m_enabled = on; }
    bool EnableWheel() const { return m_enableWheel; }
    void setEnableWheel(bool on) { m_enableWheel = on; }
    uint8_t ScrollHeight() const { return m_scrollHeight; }
    void setScrollHeight(uint8_t percent) { m_scrollHeight = percent; }
    Fixed Min() const { return m_min; }
    Fixed Max() const { return m_max; }
    Fixed Value() const { return m_value; }
    void setValue(Fixed v) { m_value = v; }
    Fixed SmallChange() const { return m_smallChange; }
    void setSmallChange(Fixed v) { m_smallChange = v; }
    Fixed LargeChange() const { return m_largeChange; }
    void setLargeChange(Fixed v) { m_largeChange = v; }
    Fixed WheelChange() const { return m_wheelChange; }
    void setWheelChange(Fixed v) { m_wheelChange = v; }
    uint32_t DownColor() const { return m_downColor; }
    void setDownColor(uint32_t c) { m_downColor = c; }
    uint32_t MouseHoverColor() const { return m_mouseHoverColor; }
    void setMouseHoverColor(uint32_t c) { m_mouseHoverColor = c; }
    int32_t MouseInterval() const { return m_mouseInterval; }
    void setMouseInterval(int32_t ms) { m_mouseInterval = ms; }
    uint32_t LargeChangeColor() const { return m_largeChangeColor; }
    void setLargeChangeColor(uint32_t c) { m_largeChangeColor = c; }
    bool UnRefreshControl() const { return m_unRefreshControl; }
    void setUnRefreshControl(bool on) { m_unRefreshControl = on; }
    int32_t Width() const { return m_width; }
    void setWidth(int32_t twips) { m_width = twips; }
    int32_t Height() const { return m_height; }

    // --- for the hosts only (qelTextBox, qelListBox) ---
    // A new object filled from a bar, in the hosts' order, its sizes rounded to whole twips.
    static qelPrivateScroll CopyOf(const qelVScrollPrivate& bar);
    // Gives the bar the settings, each through its own Let, in the hosts' order: the colours,
    // Enabled, EnableWheel, the steps, MouseInterval, ScrollHeight, UnRefreshControl and Value
    // (with the bar's Value rules). Min, Max, the sizes, hDc and hwnd are not applied; the host
    // sets UnRefreshControl True before, applies the width if it does, and ends with
    // UnRefreshControl False and Refresh.
    void ApplySettingsTo(qelVScrollPrivate& bar) const;
    void SetHDc(plat::win::HWND h) { m_hDc = h; }
    void SetHwnd(plat::win::HWND h) { m_hwnd = h; }
    void SetMin(Fixed v) { m_min = v; }
    void SetMax(Fixed v) { m_max = v; }
    void SetHeight(int32_t twips) { m_height = twips; }

private:
    plat::win::HWND m_hDc = 0;
    plat::win::HWND m_hwnd = 0;
    uint32_t m_backColor{};
    uint32_t m_borderColor{};
    uint32_t m_arrowColor{};
    uint32_t m_frontColor{};
    bool m_enabled{};
    bool m_enableWheel{};
    uint8_t m_scrollHeight{};
    Fixed m_min{};
    Fixed m_max{};
    Fixed m_value{};
    Fixed m_smallChange{};
    Fixed m_largeChange{};
    Fixed m_wheelChange{};
    uint32_t m_downColor{};
    uint32_t m_mouseHoverColor{};
    int32_t m_mouseInterval{};
    uint32_t m_largeChangeColor{};
    bool m_unRefreshControl{};
    int32_t m_width = 0;
    int32_t m_height = 0;
};

inline const auto& qelPrivateScroll::Settings()
{
    using S = qelPrivateScroll;
    using P = PropertiesOf<S>;
    static const auto table = join(FirstBarProperties<S>(),
        propertyTable(P::property("LargeChange", &S::LargeChange, &S::setLargeChange, Whole(5)).pages(),
            P::property("ScrollHeight", &S::ScrollHeight, &S::setScrollHeight, uint8_t(25)).pages(),
            P::property("SmallChange", &S::SmallChange, &S::setSmallChange, Whole(1)).pages(),
            P::property("WheelChange", &S::WheelChange, &S::setWheelChange, Whole(3)).pages(),
            P::property("DownColor", &S::DownColor, &S::setDownColor, uint32_t(0xBE9E8D)),
            P::property("MouseHoverColor", &S::MouseHoverColor, &S::setMouseHoverColor, uint32_t(0xFFFFFF)),
            P::property("MouseInterval", &S::MouseInterval, &S::setMouseInterval, 50).pages(),
            P::property("LargeChangeColor", &S::LargeChangeColor, &S::setLargeChangeColor, uint32_t(0xBE9E8D)),
            P::property("UnRefreshControl", &S::UnRefreshControl, &S::setUnRefreshControl, true),
            // A new record's Value is 0: the host fills it from its bar.
            P::property("Value", &S::Value, &S::setValue, Whole(0), keepsItsValue).pages()));
    return table;
}

} // namespace qel
