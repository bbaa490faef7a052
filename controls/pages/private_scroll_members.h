#pragma once
#include "controls/pages/member_table.h"
#include "controls/text/qel_private_scroll.h"

namespace qel {

// The members of an embedded bar's settings object by name; Min and Max have no Let (a write
// fails).
const MemberTable<qelPrivateScroll>& PrivateScrollMembers();

} // namespace qel
