#include "controls/pages/list_box_v_scroll.h"
#include "controls/extra/qel_list_box.h"
#include <algorithm>

namespace qel {

qelPrivateScroll ListBoxVScroll(qelListBox& list)
{
    ListBoxScrollBar& bar = list.VS();
    qelPrivateScroll s;
    s.SetHwnd(bar.hwnd());
    s.setEnabled(bar.Enabled());
    s.setEnableWheel(true);
    s.setScrollHeight(uint8_t(std::clamp(bar.ScrollHeight(), 0, 255)));
    s.SetMin(bar.Min());
    s.SetMax(bar.Max());
    s.setValue(bar.Value());
    s.setSmallChange(bar.SmallChange());
    s.setLargeChange(bar.LargeChange());
    s.setWheelChange(bar.WheelChange());
    s.setMouseInterval(0);
    s.setUnRefreshControl(bar.UnRefreshControl());
    return s;
}

void SetListBoxVScroll(qelListBox& list, const qelPrivateScroll& settings)
{
    ListBoxScrollBar& bar = list.VS();
    const bool unRefresh = bar.UnRefreshControl();
    bar.setUnRefreshControl(true);
    bar.setEnabled(settings.Enabled());
    bar.setSmallChange(settings.SmallChange());
    bar.setLargeChange(settings.LargeChange());
    bar.setWheelChange(settings.WheelChange());
    bar.setScrollHeight(settings.ScrollHeight());
    bar.setValue(settings.Value());
    bar.setUnRefreshControl(unRefresh);
    bar.Refresh();
    if (!settings.EnableWheel())
        throw PageError("The list box's bar cannot turn its wheel off (EnableWheel)");
    if (settings.MouseInterval() != 0)
        throw PageError("The list box's bar has no repeat interval (MouseInterval)");
}

const MemberTable<qelPrivateScroll>& PrivateScrollMembers()
{
    static const MemberTable<qelPrivateScroll> table = [] {
        using S = qelPrivateScroll;
        MemberTable<S> t;
        t.bind<S>("Enabled", &S::Enabled, &S::setEnabled);
        t.bind<S>("EnableWheel", &S::EnableWheel, &S::setEnableWheel);
        t.bind<S>("ScrollHeight", &S::ScrollHeight, &S::setScrollHeight);
        t.bind<S>("Value", &S::Value, &S::setValue);
        t.bind<S>("SmallChange", &S::SmallChange, &S::setSmallChange);
        t.bind<S>("LargeChange", &S::LargeChange, &S::setLargeChange);
        t.bind<S>("WheelChange", &S::WheelChange, &S::setWheelChange);
        t.bind<S>("MouseInterval", &S::MouseInterval, &S::setMouseInterval);
        auto noLet = [](const char* name) {
            return [name](S&, const MemberValue&) { throw PageError(std::string("Can't assign to read-only property: ") + name); };
        };
        t.add("Min", [](S& s) { return MemberValue(s.Min()); }, noLet("Min"));
        t.add("Max", [](S& s) { return MemberValue(s.Max()); }, noLet("Max"));
        return t;
    }();
    return table;
}

} // namespace qel
