#pragma once
#include "platform/forms/list_entries.h"
#include "platform/forms/property_bag.h"
#include <cstdint>
#include <string>

namespace plat::forms {

// The entries of a list box or of a combo box's list as the program reaches them: AddItem,
// RemoveItem, List, ListCount, ItemData, NewIndex and Sorted, and the stored "List". Entries
// count from 0; an index outside the list is ignored (reading gives an empty text or 0). The
// control hears of each change and keeps what it shows in step.
class EntryList {
public:
    // Inserts at `index` (-1: at the end, or in order when Sorted).
    void addItem(const std::string& text, int index = -1);
    void removeItem(int index);
    // Empties the list.
    virtual void clear() = 0;
    int listCount() const { return m_entries.count(); }
    std::string list(int index) const { return m_entries.text(index); }
    void setList(int index, const std::string& text);
    int32_t itemData(int index) const { return m_entries.itemData(index); }
    void setItemData(int index, int32_t data) { m_entries.setItemData(index, data); }
    // Where the last addItem put its entry.
    int newIndex() const { return m_newIndex; }
    bool sorted() const { return m_sorted; }

protected:
    virtual ~EntryList() = default;
    // After an entry went in at `index` (NewIndex already says where) or went out from it.
    virtual void entryAdded(int index) = 0;
    virtual void entryRemoved(int index) = 0;
    // After an entry's text changed.
    virtual void entriesChanged() = 0;

    // The stored "List", one line an entry: setting it empties the list and fills it from the lines.
    std::string listText() const;
    void setListText(const std::string& text);

    ListEntries m_entries;
    int m_newIndex = -1;
    bool m_sorted = false;
};

} // namespace plat::forms
