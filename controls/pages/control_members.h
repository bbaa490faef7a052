#pragma once
#include "controls/pages/member_table.h"
#include "platform/forms/control.h"
#include <string_view>

namespace qel {

// The members that the property pages read and write by name, for every control class of the
// set that offers a page. Null for a class without members known to the pages.
const MemberTable<plat::forms::Control>* MembersOfClass(std::string_view className);

// Reads or writes a member of a control by name, whatever its class: a class or a member the
// pages do not know fails with PageError, as a late-bound call to a missing member does.
MemberValue ReadMember(plat::forms::Control& control, std::string_view member);
void WriteMember(plat::forms::Control& control, std::string_view member, const MemberValue& value);

} // namespace qel
