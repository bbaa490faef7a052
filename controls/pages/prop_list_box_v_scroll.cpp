#include "controls/pages/prop_list_box_v_scroll.h"
#include "controls/extra/qel_list_box.h"
#include "controls/pages/private_scroll_members.h"
#include "controls/pages/scroll_bar_design.h"

namespace qel {

PageSpec propListBoxVScroll::Design()
{
    PageSpec s = ScrollBarDesign("propListBoxVScroll", "qelListBox", "ScrollHeight");
    s.caption = "VScroll";
    s.height = 3885;
    s.applyOrder = {"Enabled", "MouseInterval", "SmallChange", "EnableWheel", "LargeChange", "ScrollHeight", "WheelChange"};
    s.applySkipsErrors = false;
    return s;
}

propListBoxVScroll::propListBoxVScroll() : PropertyPage(Design()) {}

void propListBoxVScroll::LoadFromSelection()
{
    auto* list = dynamic_cast<qelListBox*>(&FirstSelected());
    if (!list)
        throw PageError("Object doesn't support this property or method: VScroll");
    qelPrivateScroll settings = list->VScroll();
    const auto& members = PrivateScrollMembers();
    ReadFields([&](const std::string& member) { return members.read(settings, member); }, false);
}

void propListBoxVScroll::ApplyToSelection()
{
    const std::vector<plat::forms::Control*> selection = Site().SelectedControls();
    const auto& members = PrivateScrollMembers();
    for (plat::forms::Control* c : selection) {
        auto* list = dynamic_cast<qelListBox*>(c);
        if (!list)
            continue;
        qelPrivateScroll settings = list->VScroll();
        WriteFields([&](const std::string& member, const MemberValue& v) { members.write(settings, member, v); }, false);
        list->setVScroll(settings);
    }
}

} // namespace qel
