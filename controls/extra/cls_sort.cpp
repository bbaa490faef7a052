#include "controls/extra/cls_sort.h"

namespace qel {

void clsSort::SortList(clsFastCollection& list, bool SortType)
{
    const int n = list.Count();
    if (n == 0)
        return;
    Items items(static_cast<size_t>(n));
    for (int p = 0; p < n; ++p)
        items[size_t(p)] = list.Item(p + 1);
    if (SortType)
        SortAscending(items, 0, n - 1);
    else
        SortDescending(items, 0, n - 1);
    list.Clear();
    for (auto& item : items)
        list.Add(std::move(item), -1);
}

void clsSort::SortAscending(Items& items, int first, int last)
{
    const std::string pivot = items[size_t((first + last) / 2)]->Text();
    int i = first, j = last;
    for (;;) {
        while (items[size_t(i)]->Text() < pivot)
            ++i;
        while (items[size_t(j)]->Text() > pivot)
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
        SortAscending(items, first, j);
    if (i < last)
        SortAscending(items, i, last);
}

void clsSort::SortDescending(Items& items, int first, int last)
{
    const std::string pivot = items[size_t((first + last) / 2)]->Text();
    int i = first, j = last;
    for (;;) {
        while (items[size_t(i)]->Text() > pivot)
            ++i;
        while (items[size_t(j)]->Text() < pivot)
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
        SortDescending(items, first, j);
    if (i < last)
        SortDescending(items, i, last);
}

void clsSort::SwapItems(clsFastCollection::ItemRef& a, clsFastCollection::ItemRef& b) { a.swap(b); }

} // namespace qel
