#include "platform/forms/column_headers.h"
#include "platform/forms/list_view.h"

namespace plat::forms {

ColumnHeader& ColumnHeaders::add(std::string text, double width, int alignment, int index)
{
    auto column = std::unique_ptr<ColumnHeader>(new ColumnHeader(m_owner, std::move(text), width, alignment));
    ColumnHeader& ref = *column;
    size_t at = index >= 1 && index <= count() ? size_t(index - 1) : m_columns.size();
    m_columns.insert(m_columns.begin() + long(at), std::move(column));
    renumber();
    m_owner.contentChanged();
    return ref;
}

ColumnHeader* ColumnHeaders::item(int index) const
{
    if (index < 1 || index > count())
        return nullptr;
    return m_columns[size_t(index - 1)].get();
}

void ColumnHeaders::remove(int index)
{
    if (index < 1 || index > count())
        return;
    m_columns.erase(m_columns.begin() + (index - 1));
    renumber();
    m_owner.contentChanged();
}

void ColumnHeaders::clear()
{
    m_columns.clear();
    m_owner.contentChanged();
}

void ColumnHeaders::renumber()
{
    for (size_t i = 0; i < m_columns.size(); ++i)
        m_columns[i]->m_index = int(i + 1);
}

} // namespace plat::forms
