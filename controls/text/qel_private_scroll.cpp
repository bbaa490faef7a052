#include "controls/text/qel_private_scroll.h"
#include "controls/core/drawn_control.h"
#include "controls/text/qel_v_scroll_private.h"
#include "controls/text/scroll_bar_base.h"

namespace qel {

qelPrivateScroll::qelPrivateScroll() { Settings().init(*this); }

qelPrivateScroll qelPrivateScroll::CopyOf(const qelVScrollPrivate& bar)
{
    qelPrivateScroll s;
    s.setArrowColor(bar.ArrowColor());
    s.setBackColor(bar.BackColor());
    s.setBorderColor(bar.BorderColor());
    s.setDownColor(bar.DownColor());
    s.setEnabled(bar.Enabled());
    s.setEnableWheel(bar.EnableWheel());
    s.setFrontColor(bar.FrontColor());
    // The window stands in for the device context: both name the bar's drawing surface.
    s.SetHDc(bar.hwnd());
    s.SetHwnd(bar.hwnd());
    s.setLargeChange(bar.LargeChange());
    s.setLargeChangeColor(bar.LargeChangeColor());
    s.SetMax(bar.Max());
    s.SetMin(bar.Min());
    s.setMouseHoverColor(bar.MouseHoverColor());
    s.setMouseInterval(bar.MouseInterval());
    s.setScrollHeight(bar.ScrollHeight());
    s.setSmallChange(bar.SmallChange());
    s.setUnRefreshControl(bar.UnRefreshControl());
    s.setValue(bar.Value());
    s.setWheelChange(bar.WheelChange());
    s.setWidth(DrawnControl::N(bar.width()));
    s.SetHeight(DrawnControl::N(bar.height()));
    return s;
}

void qelPrivateScroll::ApplySettingsTo(qelVScrollPrivate& bar) const
{
    bar.setArrowColor(ArrowColor());
    bar.setBackColor(BackColor());
    bar.setBorderColor(BorderColor());
    bar.setDownColor(DownColor());
    bar.setEnabled(Enabled());
    bar.setEnableWheel(EnableWheel());
    bar.setFrontColor(FrontColor());
    bar.setLargeChange(LargeChange());
    bar.setLargeChangeColor(LargeChangeColor());
    bar.setMouseHoverColor(MouseHoverColor());
    bar.setMouseInterval(MouseInterval());
    bar.setScrollHeight(ScrollHeight());
    bar.setSmallChange(SmallChange());
    bar.setUnRefreshControl(UnRefreshControl());
    bar.setValue(Value());
    bar.setWheelChange(WheelChange());
}

} // namespace qel
