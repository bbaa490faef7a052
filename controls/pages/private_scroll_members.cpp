#include "controls/pages/private_scroll_members.h"

namespace qel {

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
