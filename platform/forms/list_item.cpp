#include "platform/forms/list_item.h"
#include "platform/forms/list_view.h"

namespace plat::forms {

void ListItem::setText(std::string text)
{
    m_text = std::move(text);
    m_owner.contentChanged();
}

std::string ListItem::subItem(int index) const
{
    if (index < 1 || index > int(m_subItems.size()))
        return {};
    return m_subItems[size_t(index - 1)];
}

void ListItem::setSubItem(int index, std::string text)
{
    if (index < 1)
        return;
    if (index > int(m_subItems.size()))
        m_subItems.resize(size_t(index));
    m_subItems[size_t(index - 1)] = std::move(text);
    m_owner.contentChanged();
}

void ListItem::setSelected(bool on) { m_owner.selectItem(*this, on); }

void ListItem::ensureVisible() { m_owner.ensureVisible(*this); }

} // namespace plat::forms
