#include "platform/forms/entry_list.h"
#include "platform/forms/list_text.h"

namespace plat::forms {

void EntryList::addItem(const std::string& text, int index)
{
    int at = m_entries.add(text, index, m_sorted && index < 0);
    if (at < 0)
        return;
    m_newIndex = at;
    entryAdded(at);
}

void EntryList::removeItem(int index)
{
    if (m_entries.remove(index))
        entryRemoved(index);
}

void EntryList::setList(int index, const std::string& text)
{
    if (m_entries.setText(index, text))
        entriesChanged();
}

std::string EntryList::listText() const { return joinListText(m_entries); }

void EntryList::setListText(const std::string& text)
{
    clear();
    for (const std::string& item : splitListText(text))
        addItem(item);
}

} // namespace plat::forms
