#pragma once
#include "controls/extra/cls_fast_collection.h"
#include <vector>

namespace qel {

// Puts the items of a collection in order of their texts, compared by character code (case
// counts; a text that begins a longer one comes first): ascending for True, descending for False.
// The same collection holds the same items afterwards. Not stable: equal texts are exchanged.
// Empty positions end up last.
class clsSort {
public:
    void SortList(clsFastCollection& list, bool SortType);

private:
    using Items = std::vector<clsFastCollection::ItemRef>;
    void SortAscending(Items& items, int first, int last);
    void SortDescending(Items& items, int first, int last);
    static void SwapItems(clsFastCollection::ItemRef& a, clsFastCollection::ItemRef& b);
};

} // namespace qel
