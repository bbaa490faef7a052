#include "controls/extra/cls_sort.h"
#include <algorithm>
#include <functional>

namespace qel {

void clsSort::SortList(clsFastCollection& list, bool SortType)
{
    const int n = list.Count();
    if (n == 0)
        return;
    Items items(static_cast<size_t>(n));
    for (int p = 0; p < n; ++p)
        items[size_t(p)] = list.Item(p + 1);
    // An empty position has no text to compare: empty ones go last, in either order, and
    // the items before them are sorted.
    const int m = int(std::stable_partition(items.begin(), items.end(), [](const auto& item) { return item != nullptr; }) - items.begin());
    if (m > 1 && SortType)
        QuickSort(items, 0, m - 1, std::less<std::string>());
    else if (m > 1)
        QuickSort(items, 0, m - 1, std::greater<std::string>());
    list.Clear();
    for (auto& item : items)
        list.Add(std::move(item), -1);
}

template <typename Before> void clsSort::QuickSort(Items& items, int first, int last, Before before)
{
    const std::string pivot = items[size_t((first + last) / 2)]->Text();
    int i = first, j = last;
    for (;;) {
        while (before(items[size_t(i)]->Text(), pivot))
            ++i;
        while (before(pivot, items[size_t(j)]->Text()))
            --j;
        if (i > j)
            break;
        SwapItems(items[size_t(i)], items[size_t(j)]);
        ++i;
        --j;
        if (i > j)
            break;
    }
    if (first < j)
        QuickSort(items, first, j, before);
    if (i < last)
        QuickSort(items, i, last, before);
}

void clsSort::SwapItems(clsFastCollection::ItemRef& a, clsFastCollection::ItemRef& b) { a.swap(b); }

} // namespace qel
