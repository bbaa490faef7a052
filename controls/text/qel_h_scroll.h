#pragma once
#include "controls/text/scroll_bar_base.h"

namespace qel {

// The horizontal owner-drawn scroll bar: the Min end at the left. At least 800 × 255 twips.
//
// Members, in interface order: WindowProc, hDc, hwnd, BackColor, BorderColor, ArrowColor,
// FrontColor, Enabled, EnableWheel, ScrollWidth, Min, Max, Value, SmallChange, LargeChange,
// WheelChange, DownColor, MouseHoverColor, MouseInterval, LargeChangeColor, UnRefreshControl,
// Refresh. Events: Change, KeyDown, KeyPress, KeyUp, MouseHover, MouseLeave, MouseWheel,
// MouseDown, MouseUp, MouseDblClick, MouseMove, Scroll.
class qelHScroll : public ScrollBarBase {
public:
    qelHScroll() : ScrollBarBase(ScrollAxis::Horizontal) {}
    std::string className() const override { return "qelHScroll"; }
    static const auto& StoredProperties() { return ScrollBarBase::StoredProperties(ScrollAxis::Horizontal); }

    // The thumb's length in percent of the track; the thumb moves only at the next UpdateThumb.
    void setScrollWidth(uint8_t percent) { setThumbPercent(percent); }
    uint8_t ScrollWidth() const { return ThumbPercent(); }
};

} // namespace qel
