#pragma once
#include "controls/text/scroll_bar_base.h"

namespace qel {

// The vertical owner-drawn scroll bar: the Min end at the top. At least 255 × 800 twips.
//
// Members, in interface order: WindowProc, hDc, hwnd, BackColor, BorderColor, ArrowColor,
// FrontColor, Enabled, EnableWheel, ScrollHeight, Min, Max, Value, SmallChange, LargeChange,
// WheelChange, DownColor, MouseHoverColor, MouseInterval, LargeChangeColor, UnRefreshControl,
// Refresh. Events: as qelHScroll.
class qelVScroll : public ScrollBarBase {
public:
    qelVScroll() : ScrollBarBase(ScrollAxis::Vertical) {}
    std::string className() const override { return "qelVScroll"; }
    static const auto& StoredProperties() { return ScrollBarBase::StoredProperties(ScrollAxis::Vertical); }

    uint8_t ScrollHeight() const { return ThumbPercent(); }
    // The thumb's length in percent of the track; the thumb moves only at the next UpdateThumb.
    void setScrollHeight(uint8_t percent) { setThumbPercent(percent); }
};

} // namespace qel
