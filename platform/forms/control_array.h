#pragma once
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace plat::forms {

// The items of a control array (controls sharing one name), by index.
template<class T>
class ControlArray {
public:
    struct Item {
        int index;
        T& control;
    };

    ControlArray(std::string name, std::vector<std::pair<int, T*>> items)
        : m_name(std::move(name))
        , m_items(std::move(items))
    {
    }

    const std::string& name() const { return m_name; }
    size_t count() const { return m_items.size(); }
    bool empty() const { return m_items.empty(); }
    int lbound() const { return m_items.empty() ? 0 : m_items.front().first; }
    int ubound() const { return m_items.empty() ? -1 : m_items.back().first; }

    T* find(int index) const
    {
        for (const auto& [i, c] : m_items)
            if (i == index)
                return c;
        return nullptr;
    }
    T& operator[](int index) const
    {
        if (T* c = find(index))
            return *c;
        throw std::out_of_range("control array \"" + m_name + "\" has no item " + std::to_string(index));
    }

    class iterator {
    public:
        using Base = typename std::vector<std::pair<int, T*>>::const_iterator;
        explicit iterator(Base it) : m_it(it) {}
        Item operator*() const { return Item{m_it->first, *m_it->second}; }
        iterator& operator++()
        {
            ++m_it;
            return *this;
        }
        bool operator==(const iterator& o) const { return m_it == o.m_it; }

    private:
        Base m_it;
    };
    iterator begin() const { return iterator(m_items.begin()); }
    iterator end() const { return iterator(m_items.end()); }

private:
    std::string m_name;
    std::vector<std::pair<int, T*>> m_items; // ascending index
};

} // namespace plat::forms
