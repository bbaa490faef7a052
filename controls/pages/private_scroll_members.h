#pragma once
#include "controls/pages/member_table.h"
#include "controls/text/qel_private_scroll.h"

namespace qel {

class qelListBox;

// The list box's VScroll member as the page of its bar uses it: Get gives a new settings object
// filled from the list box's bar (a copy), Let gives the bar the object's settings.
//
// The list box's bar holds Enabled, Min, Max, Value, the three steps and the thumb's length; its
// wheel always acts and it repeats nothing, so the copy shows EnableWheel True and
// MouseInterval 0, and a Let that asks for another EnableWheel or MouseInterval gives the bar
// everything else and then fails, rather than dropping the request unseen.
qelPrivateScroll ListBoxVScroll(qelListBox& list);
void SetListBoxVScroll(qelListBox& list, const qelPrivateScroll& settings);

// The members of the settings object by name; Min and Max have no Let (a write fails).
const MemberTable<qelPrivateScroll>& PrivateScrollMembers();

} // namespace qel
