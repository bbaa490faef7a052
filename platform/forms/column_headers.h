#pragma once
#include "platform/forms/column_header.h"
#include <memory>
#include <string>
#include <vector>

namespace plat::forms {

class ListView;

// The columns of a list view, counted from 1. An index outside them is ignored (item() gives null).
class ColumnHeaders {
public:
    static constexpr double kDefaultWidth = 1440; // twips

    explicit ColumnHeaders(ListView& owner) : m_owner(owner) {}

    // At the end, or before the column at `index` (from 1).
    ColumnHeader& add(std::string text = "", double width = kDefaultWidth, int alignment = 0, int index = -1);
    int count() const { return int(m_columns.size()); }
    ColumnHeader* item(int index) const;
    void remove(int index);
    void clear();

private:
    void renumber();
    ListView& m_owner;
    std::vector<std::unique_ptr<ColumnHeader>> m_columns;
};

} // namespace plat::forms
