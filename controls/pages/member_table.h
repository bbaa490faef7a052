#pragma once
#include "controls/pages/member_value.h"
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

namespace qel {

namespace detail {
template<class M>
struct SetterArgument;
template<class C, class A>
struct SetterArgument<void (C::*)(A)> {
    using type = std::remove_cvref_t<A>;
};
} // namespace detail

// The members of one class that pages reach by name: each name with a getter and a setter that
// pass MemberValue, converting to and from the member's own type. A name the table lacks, or a
// value the member's type cannot hold, fails with PageError; a setter's own refusal (any
// exception) passes through as the failure of that write.
template<class Object>
class MemberTable {
public:
    using Getter = std::function<MemberValue(Object&)>;
    using Setter = std::function<void(Object&, const MemberValue&)>;

    void add(std::string name, Getter get, Setter set) { m_members[std::move(name)] = {std::move(get), std::move(set)}; }

    // A member of the class `C` (Object itself or a class derived from it) through its accessor
    // pair, e.g. bind<qelCheck>("Caption", &qelCheck::Caption, &qelCheck::setCaption).
    template<class C, class G, class S>
    void bind(std::string name, G getter, S setter)
    {
        using Argument = typename detail::SetterArgument<S>::type;
        add(
            std::move(name),
            [getter](Object& o) {
                auto&& v = (static_cast<C&>(o).*getter)();
                return ValueOf<std::remove_cvref_t<decltype(v)>>(v);
            },
            [setter](Object& o, const MemberValue& v) { (static_cast<C&>(o).*setter)(ConvertTo<Argument>(v)); });
    }

    // The entries of the class `C`'s table of stored properties that the pages reach.
    template<class C, class Table>
    void bindPages(const Table& table)
    {
        table.forEach([this](const auto& property) {
            using Property = std::remove_cvref_t<decltype(property)>;
            if constexpr (Property::onPages)
                add(
                    std::string(property.key()),
                    [property](Object& o) {
                        auto&& v = property.value(static_cast<C&>(o));
                        return ValueOf<std::remove_cvref_t<decltype(v)>>(v);
                    },
                    [property](
                        Object& o, const MemberValue& v) { property.assign(static_cast<C&>(o), ConvertTo<typename Property::Type>(v)); });
        });
    }

    bool contains(std::string_view name) const { return m_members.find(name) != m_members.end(); }

    MemberValue read(Object& o, std::string_view name) const { return entry(name).first(o); }
    void write(Object& o, std::string_view name, const MemberValue& v) const { entry(name).second(o, v); }

private:
    const std::pair<Getter, Setter>& entry(std::string_view name) const
    {
        auto it = m_members.find(name);
        if (it == m_members.end())
            throw PageError("Object doesn't support this property or method: " + std::string(name));
        return it->second;
    }

    std::map<std::string, std::pair<Getter, Setter>, std::less<>> m_members;
};

} // namespace qel
