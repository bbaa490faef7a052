#pragma once
#include "platform/forms/property_bag.h"
#include <algorithm>
#include <functional>
#include <initializer_list>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <utility>

namespace plat::forms {

// The value a new control gives a property it does not set (the value it has stays).
struct KeepsItsValue {};
inline constexpr KeepsItsValue keepsItsValue{};

namespace detail {

// A default is a value, or a rule: of the control (the ambient font), or of the control and the
// bag being read or written (a property whose default is another stored property).
template<class T, class C, class D>
T defaultOf(const D& d, const C& c, const PropertyBag& bag)
{
    if constexpr (std::is_invocable_v<const D&, const C&, const PropertyBag&>)
        return T(std::invoke(d, c, bag));
    else if constexpr (std::is_invocable_v<const D&, const C&>)
        return T(std::invoke(d, c));
    else
        return T(d);
}

} // namespace detail

// One stored property of the control class C: its key in the layout file, how the control gives
// and takes it (an accessor or member, a setter), its default in a stored layout (a value equal to
// it is not written, a missing key reads as it) and the value a new control starts with.
template<class C, class T, class Get, class Set, class Stored, class Fresh, bool OnPages = false>
class StoredProperty {
public:
    using Owner = C;
    using Type = T;

    // Whether the property pages reach it by its key.
    static constexpr bool onPages = OnPages;

    StoredProperty(std::string_view key, Get get, Set set, Stored stored, Fresh fresh)
        : m_key(key)
        , m_get(get)
        , m_set(set)
        , m_stored(stored)
        , m_fresh(fresh)
    {
    }

    std::string_view key() const { return m_key; }
    // The same property, reached by the property pages too.
    auto pages() const { return StoredProperty<C, T, Get, Set, Stored, Fresh, true>(m_key, m_get, m_set, m_stored, m_fresh); }

    decltype(auto) value(const C& c) const { return std::invoke(m_get, c); }
    void assign(C& c, T v) const { std::invoke(m_set, c, std::move(v)); }

    void init(C& c) const
    {
        if constexpr (!std::is_same_v<Fresh, KeepsItsValue>)
            assign(c, detail::defaultOf<T>(m_fresh, c, PropertyBag()));
    }
    void read(C& c, const PropertyBag& bag) const
    {
        assign(c, bag.template readProperty<T>(m_key, detail::defaultOf<T>(m_stored, c, bag)));
    }
    void write(const C& c, PropertyBag& bag) const
    {
        bag.template writeProperty<T>(m_key, T(value(c)), detail::defaultOf<T>(m_stored, c, bag));
    }

private:
    std::string_view m_key;
    Get m_get;
    Set m_set;
    Stored m_stored;
    Fresh m_fresh;
};

// The stored properties of a control, in the order they are written. A new control takes its
// initial values and a stored layout is read in the same order, so a property that depends on
// another (Value within Min and Max) comes after it.
template<class... P>
class PropertyTable {
public:
    explicit PropertyTable(std::tuple<P...> entries) : m_entries(std::move(entries)) {}

    template<class C>
    void init(C& c) const
    {
        std::apply([&](const auto&... p) { (p.init(c), ...); }, m_entries);
    }
    template<class C>
    void read(C& c, const PropertyBag& bag) const
    {
        std::apply([&](const auto&... p) { (p.read(c, bag), ...); }, m_entries);
    }
    // The entries named in `first`, in that order, then the others in the table's order: for a
    // setter that needs a property the table writes after it.
    template<class C>
    void readFirst(C& c, const PropertyBag& bag, std::initializer_list<std::string_view> first) const
    {
        for (std::string_view key : first)
            forEach([&](const auto& p) {
                if (p.key() == key)
                    p.read(c, bag);
            });
        forEach([&](const auto& p) {
            if (std::find(first.begin(), first.end(), p.key()) == first.end())
                p.read(c, bag);
        });
    }
    template<class C>
    void write(const C& c, PropertyBag& bag) const
    {
        std::apply([&](const auto&... p) { (p.write(c, bag), ...); }, m_entries);
    }
    template<class F>
    void forEach(F&& f) const
    {
        std::apply([&](const auto&... p) { (f(p), ...); }, m_entries);
    }

    const std::tuple<P...>& entries() const { return m_entries; }

private:
    std::tuple<P...> m_entries;
};

template<class... P>
auto propertyTable(P... entries)
{
    return PropertyTable<P...>(std::tuple<P...>(std::move(entries)...));
}

// Tables one after the other: a class's own properties around those of a part it shares.
template<class... Tables>
auto join(const Tables&... tables)
{
    auto entries = std::tuple_cat(tables.entries()...);
    return std::apply([](auto... p) { return propertyTable(std::move(p)...); }, std::move(entries));
}

// The stored default of a Font for a control that has ambient(): the form's font (the ambient font).
template<class C>
auto ambientFont()
{
    return [](const C& c) { return c.ambient().font; };
}
// A new control's Font: its own size and style in the form's typeface.
template<class C>
auto ambientTypeface()
{
    return [](const C& c) {
        FontDesc font = c.Font();
        font.name = c.ambient().font.name;
        return font;
    };
}

// The entries of class C: property("Key", getter, setter, storedDefault[, newDefault]). The type
// is the getter's unless given (propertyAs<int32_t>); a new control starts from the stored
// default unless another is given (or keepsItsValue).
template<class C>
struct PropertiesOf {
    template<class Get>
    using TypeOf = std::remove_cvref_t<std::invoke_result_t<Get, const C&>>;

    template<class T, class Get, class Set, class Stored, class Fresh>
    static auto propertyAs(std::string_view key, Get get, Set set, Stored stored, Fresh fresh)
    {
        return StoredProperty<C, T, Get, Set, Stored, Fresh>(key, get, set, stored, fresh);
    }
    template<class T, class Get, class Set, class Stored>
    static auto propertyAs(std::string_view key, Get get, Set set, Stored stored)
    {
        return propertyAs<T>(key, get, set, stored, stored);
    }
    template<class Get, class Set, class Stored, class Fresh>
    static auto property(std::string_view key, Get get, Set set, Stored stored, Fresh fresh)
    {
        return propertyAs<TypeOf<Get>>(key, get, set, stored, fresh);
    }
    template<class Get, class Set, class Stored>
    static auto property(std::string_view key, Get get, Set set, Stored stored)
    {
        return propertyAs<TypeOf<Get>>(key, get, set, stored, stored);
    }
};

} // namespace plat::forms
