#pragma once
#include "controls/text/embedded_scroll_bar.h"

namespace qel {

// The vertical bar that qelTextBox and qelListBox carry (VS). As qelVScroll, but: BlockValue
// True ignores every Value Let; BlockVS True makes the next Value Let raise no Change (every Let
// not ignored clears it); a mouse move never raises Change (a thumb drag reports only Scroll).
//
// Members, in interface order: WindowProc, LaunchKeyMouseEvents, hDc, hwnd, BackColor,
// BorderColor, ArrowColor, FrontColor, Enabled, EnableWheel, ScrollHeight, Min, Max, Value,
// SmallChange, LargeChange, WheelChange, DownColor, MouseHoverColor, MouseInterval,
// LargeChangeColor, UnRefreshControl, BlockVS, BlockValue, Refresh. Events: as qelVScroll.
class qelVScrollPrivate : public EmbeddedScrollBar {
public:
    qelVScrollPrivate() : EmbeddedScrollBar(ScrollAxis::Vertical) {}
    std::string className() const override { return "qelVScrollPrivate"; }

    uint8_t ScrollHeight() const { return ThumbPercent(); }
    void setScrollHeight(uint8_t percent) { setThumbPercent(percent); }
    void setValue(Fixed v) override;

protected:
    bool ChangeOnMove() const override { return false; }
};

} // namespace qel
