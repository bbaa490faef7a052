#include "platform/forms/list_items.h"
#include "platform/forms/list_view.h"

namespace plat::forms {

ListItem& ListItems::add(std::string text, int index)
{
    auto item = std::unique_ptr<ListItem>(new ListItem(m_owner, std::move(text)));
    ListItem& ref = *item;
    size_t at = m_items.size();
    if (index >= 1 && index <= count())
        at = size_t(index - 1);
    else if (m_owner.sorted())
        at = m_owner.sortedPosition(ref);
    m_items.insert(m_items.begin() + long(at), std::move(item));
    renumber(at);
    m_owner.itemInserted(ref);
    return ref;
}

ListItem* ListItems::item(int index) const
{
    if (index < 1 || index > count())
        return nullptr;
    return m_items[size_t(index - 1)].get();
}

void ListItems::remove(int index)
{
    ListItem* gone = item(index);
    if (!gone)
        return;
    m_owner.itemRemoving(*gone);
    m_items.erase(m_items.begin() + (index - 1));
    renumber(size_t(index - 1));
    m_owner.contentChanged();
}

void ListItems::clear()
{
    m_owner.itemsClearing();
    m_items.clear();
    m_owner.contentChanged();
}

void ListItems::renumber(size_t from)
{
    for (size_t i = from; i < m_items.size(); ++i)
        m_items[i]->m_index = int(i + 1);
}

} // namespace plat::forms
