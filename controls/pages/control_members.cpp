#include "controls/pages/control_members.h"
#include "controls/core/qel_check.h"
#include "controls/core/qel_command.h"
#include "controls/core/qel_frame.h"
#include "controls/core/qel_label.h"
#include "controls/core/qel_option_button.h"
#include "controls/core/qel_toggle_button.h"
#include "controls/extra/qel_bar.h"
#include "controls/extra/qel_list_box.h"
#include "controls/extra/qel_sys_tray.h"
#include "controls/extra/qel_up_down.h"
#include "controls/text/qel_h_scroll.h"
#include "controls/text/qel_v_scroll.h"
#include <map>
#include <string>

namespace qel {
namespace {

using plat::forms::Control;
using Table = MemberTable<Control>;

Table LabelMembers()
{
    using C = qelLabel;
    Table t;
    t.bindPages<C>(C::StoredProperties());
    // Stored as "Autosize", so the pages' name is bound apart.
    t.bind<C>("AutoSize", &C::AutoSize, &C::setAutoSize);
    return t;
}

// qelListBox's own members that a page could reach; its bar settings go through VScroll.
Table ListBoxMembers()
{
    Table t;
    t.bindPages<qelListBox>(qelListBox::StoredProperties());
    return t;
}

const std::map<std::string, Table, std::less<>>& Tables()
{
    static const std::map<std::string, Table, std::less<>> tables = [] {
        std::map<std::string, Table, std::less<>> m;
        m["qelCheck"].bindPages<qelCheck>(qelCheck::StoredProperties());
        m["qelOptionButton"].bindPages<qelOptionButton>(qelOptionButton::StoredProperties());
        // Stored as a byte, but a page's number goes to the setter whole, so the setter refuses
        // one outside 0-255.
        m["qelOptionButton"].bind<qelOptionButton>("Group", &qelOptionButton::Group, &qelOptionButton::setGroup);
        m["qelFrame"].bindPages<qelFrame>(qelFrame::StoredProperties());
        m["qelLabel"] = LabelMembers();
        m["qelCommand"].bindPages<qelCommand>(qelCommand::StoredProperties());
        m["qelToggleButton"].bindPages<qelToggleButton>(qelToggleButton::StoredProperties());
        m["qelBar"].bindPages<qelBar>(qelBar::StoredProperties());
        m["qelUpDown"].bindPages<qelUpDown>(qelUpDown::StoredProperties());
        m["qelHScroll"].bindPages<qelHScroll>(qelHScroll::StoredProperties());
        m["qelVScroll"].bindPages<qelVScroll>(qelVScroll::StoredProperties());
        m["qelSysTray"].bindPages<qelSysTray>(qelSysTray::StoredProperties());
        m["qelListBox"] = ListBoxMembers();
        return m;
    }();
    return tables;
}

} // namespace

const MemberTable<Control>* MembersOfClass(std::string_view className)
{
    auto it = Tables().find(className);
    return it == Tables().end() ? nullptr : &it->second;
}

MemberValue ReadMember(Control& control, std::string_view member)
{
    const auto* table = MembersOfClass(control.className());
    if (!table)
        throw PageError("Object doesn't support this property or method: " + std::string(member));
    return table->read(control, member);
}

void WriteMember(Control& control, std::string_view member, const MemberValue& value)
{
    const auto* table = MembersOfClass(control.className());
    if (!table)
        throw PageError("Object doesn't support this property or method: " + std::string(member));
    table->write(control, member, value);
}

} // namespace qel
