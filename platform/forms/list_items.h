#pragma once
#include "platform/forms/list_item.h"
#include <memory>
#include <string>
#include <vector>

namespace plat::forms {

class ListView;

// The rows of a list view, counted from 1. An index outside them is ignored (item() gives null).
class ListItems {
public:
    explicit ListItems(ListView& owner) : m_owner(owner) {}

    // At the end (in order when the list is sorted), or at position `index` (from 1).
    ListItem& add(std::string text = "", int index = -1);
    int count() const { return int(m_items.size()); }
    ListItem* item(int index) const;
    // The item is gone afterwards; a reference to it must not be used again.
    void remove(int index);
    void clear();

private:
    friend class ListView;
    // The rows from position `from` (from 0) on; an added row at the end renumbers itself only.
    void renumber(size_t from = 0);
    ListView& m_owner;
    std::vector<std::unique_ptr<ListItem>> m_items;
};

} // namespace plat::forms
