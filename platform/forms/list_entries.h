#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace plat::forms {

// The entries of a list box or of a combo box's list: text, ItemData and the selected flag.
// Positions count from 0; a position outside the list is refused (nothing changes).
class ListEntries {
public:
    struct Entry {
        std::string text;
        int32_t itemData = 0;
        bool selected = false;
    };

    int count() const { return int(m_entries.size()); }
    bool empty() const { return m_entries.empty(); }
    bool valid(int index) const { return index >= 0 && index < count(); }

    // Inserts at `index` (-1: at the end, or in sorted order when `sorted`); returns where it
    // went, or -1 for an index beyond the end.
    int add(std::string text, int index = -1, bool sorted = false);
    bool remove(int index);
    void clear() { m_entries.clear(); }

    // An empty text outside the list.
    const std::string& text(int index) const;
    bool setText(int index, std::string text);
    int32_t itemData(int index) const { return valid(index) ? m_entries[size_t(index)].itemData : 0; }
    bool setItemData(int index, int32_t data);
    bool selected(int index) const { return valid(index) && m_entries[size_t(index)].selected; }
    bool setSelected(int index, bool on);
    void selectOnly(int index); // clears every other entry's flag
    int selectedCount() const;

    // The first entry after `after` (wrapping round) whose text equals `text` / starts with
    // `prefix`, compared without regard to case; -1 when none does.
    int findExact(std::string_view text, int after = -1) const;
    int findPrefix(std::string_view prefix, int after = -1) const;

    // Whether `text` starts with `prefix`, without regard to ASCII case.
    static bool startsWith(std::string_view text, std::string_view prefix);
    // Orders as the sorted lists do: without regard to ASCII case, then by code.
    static bool sortsBefore(std::string_view a, std::string_view b);
    // Sorts in place (stable).
    void sort();

    const std::vector<Entry>& entries() const { return m_entries; }

private:
    int find(std::string_view text, int after, bool prefix) const;
    std::vector<Entry> m_entries;
};

} // namespace plat::forms
