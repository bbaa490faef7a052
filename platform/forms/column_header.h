#pragma once
#include <string>

namespace plat::forms {

class ListView;

// A column of a list view in report view: its header text, width (twips) and the alignment of
// its texts (0 left, 1 right, 2 centre; the first column is always left-aligned).
class ColumnHeader {
public:
    const std::string& text() const { return m_text; }
    void setText(std::string text);
    double width() const { return m_width; }
    void setWidth(double twips);
    int alignment() const { return m_alignment; }
    void setAlignment(int alignment);
    // Position among the columns, from 1.
    int index() const { return m_index; }
    // The sub-item the column shows: 0 for the items' own text, k for SubItems(k).
    int subItemIndex() const { return m_index - 1; }

private:
    friend class ColumnHeaders;
    ColumnHeader(ListView& owner, std::string text, double width, int alignment);
    ListView& m_owner;
    std::string m_text;
    double m_width;
    int m_alignment;
    int m_index = 0;
};

} // namespace plat::forms
