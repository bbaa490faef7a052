#include "controls/pages/private_scroll_members.h"

namespace qel {

const MemberTable<qelPrivateScroll>& PrivateScrollMembers()
{
    static const MemberTable<qelPrivateScroll> table = [] {
        using S = qelPrivateScroll;
        MemberTable<S> t;
        t.bindPages<S>(S::Settings());
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
