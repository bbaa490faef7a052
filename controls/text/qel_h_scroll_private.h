#pragma once
#include "controls/text/embedded_scroll_bar.h"

namespace qel {

// The horizontal bar that qelTextBox carries (HS). As qelHScroll, but: while BlockVS is True no
// Value Let raises Change (the bar never clears the flag itself). BlockValue is stored and, as
// in the vertical bar, makes the Value Let do nothing while True.
//
// Members, in interface order: WindowProc, LaunchKeyMouseEvents, hDc, hwnd, BackColor,
// BorderColor, ArrowColor, FrontColor, Enabled, EnableWheel, ScrollWidth, Min, Max, Value,
// SmallChange, LargeChange, WheelChange, DownColor, MouseHoverColor, MouseInterval,
// LargeChangeColor, UnRefreshControl, BlockVS, BlockValue, Refresh. Events: as qelHScroll.
class qelHScrollPrivate : public EmbeddedScrollBar {
public:
    qelHScrollPrivate() : EmbeddedScrollBar(ScrollAxis::Horizontal) {}
    std::string className() const override { return "qelHScrollPrivate"; }

    void setScrollWidth(uint8_t percent) { setThumbPercent(percent); }
    uint8_t ScrollWidth() const { return ThumbPercent(); }
    void setValue(Fixed v) override;
};

} // namespace qel
