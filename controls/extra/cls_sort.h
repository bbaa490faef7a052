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
    // Quicksort of items[first..last]; `before(a, b)` is true when text a goes before text b.
    template <typename Before> void QuickSort(Items& items, int first, int last, Before before);
    static void SwapItems(clsFastCollection::ItemRef& a, clsFastCollection::ItemRef& b);
};

} // namespace qel
