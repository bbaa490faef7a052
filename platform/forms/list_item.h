#pragma once
#include <string>
#include <vector>

namespace plat::forms {

class ListView;

// A row of a list view: its text (the first column) and its sub-items (the further columns,
// SubItems(1), SubItems(2), ...). It lives until it is removed from its list.
class ListItem {
public:
    const std::string& text() const { return m_text; }
    void setText(std::string text);
    // Empty for a sub-item never set.
    std::string subItem(int index) const;
    void setSubItem(int index, std::string text);
    // Position in its list, from 1.
    int index() const { return m_index; }
    bool selected() const { return m_selected; }
    // Selecting one item of a single-selection list clears the others.
    void setSelected(bool on);
    // Scrolls the list so that the item shows.
    void ensureVisible();
    std::string tag;

private:
    friend class ListItems;
    friend class ListView;
    ListItem(ListView& owner, std::string text) : m_owner(owner), m_text(std::move(text)) {}
    ListView& m_owner;
    std::string m_text;
    std::vector<std::string> m_subItems;
    int m_index = 0;
    bool m_selected = false;
};

} // namespace plat::forms
