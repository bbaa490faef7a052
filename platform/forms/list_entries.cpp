#include "platform/forms/list_entries.h"
#include <algorithm>

namespace plat::forms {

static char fold(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

static int compareFolded(std::string_view a, std::string_view b, size_t length)
{
    for (size_t i = 0; i < length; ++i) {
        unsigned char x = static_cast<unsigned char>(fold(a[i])), y = static_cast<unsigned char>(fold(b[i]));
        if (x != y)
            return x < y ? -1 : 1;
    }
    return 0;
}

bool ListEntries::startsWith(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size() && compareFolded(text, prefix, prefix.size()) == 0;
}

bool ListEntries::sortsBefore(std::string_view a, std::string_view b)
{
    int c = compareFolded(a, b, std::min(a.size(), b.size()));
    if (c != 0)
        return c < 0;
    if (a.size() != b.size())
        return a.size() < b.size();
    return a < b;
}

int ListEntries::add(std::string text, int index, bool sorted)
{
    if (index > count() || index < -1)
        return -1;
    if (index < 0 && sorted) {
        auto at = std::upper_bound(m_entries.begin(), m_entries.end(), text,
            [](const std::string& t, const Entry& e) { return sortsBefore(t, e.text); });
        index = int(at - m_entries.begin());
    } else if (index < 0) {
        index = count();
    }
    m_entries.insert(m_entries.begin() + index, Entry{std::move(text), 0, false});
    return index;
}

bool ListEntries::remove(int index)
{
    if (!valid(index))
        return false;
    m_entries.erase(m_entries.begin() + index);
    return true;
}

const std::string& ListEntries::text(int index) const
{
    static const std::string none;
    return valid(index) ? m_entries[size_t(index)].text : none;
}

bool ListEntries::setText(int index, std::string text)
{
    if (!valid(index))
        return false;
    m_entries[size_t(index)].text = std::move(text);
    return true;
}

bool ListEntries::setItemData(int index, int32_t data)
{
    if (!valid(index))
        return false;
    m_entries[size_t(index)].itemData = data;
    return true;
}

bool ListEntries::setSelected(int index, bool on)
{
    if (!valid(index))
        return false;
    m_entries[size_t(index)].selected = on;
    return true;
}

void ListEntries::selectOnly(int index)
{
    for (int i = 0; i < count(); ++i)
        m_entries[size_t(i)].selected = i == index;
}

int ListEntries::selectedCount() const
{
    return int(std::count_if(m_entries.begin(), m_entries.end(), [](const Entry& e) { return e.selected; }));
}

int ListEntries::find(std::string_view text, int after, bool prefix) const
{
    int n = count();
    for (int step = 1; step <= n; ++step) {
        int i = ((after + step) % n + n) % n;
        const std::string& t = m_entries[size_t(i)].text;
        if (prefix ? startsWith(t, text) : (t.size() == text.size() && compareFolded(t, text, t.size()) == 0))
            return i;
    }
    return -1;
}

int ListEntries::findExact(std::string_view text, int after) const { return find(text, after, false); }
int ListEntries::findPrefix(std::string_view prefix, int after) const { return find(prefix, after, true); }

void ListEntries::sort()
{
    std::stable_sort(m_entries.begin(), m_entries.end(), [](const Entry& a, const Entry& b) { return sortsBefore(a.text, b.text); });
}

} // namespace plat::forms
