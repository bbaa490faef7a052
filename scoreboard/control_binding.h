#pragma once
#include "platform/forms/form.h"

#include <initializer_list>
#include <string_view>

namespace scoreboard {

// The control array `name` of a loaded form, every item of class T, with at least the items
// `first` to `last`: the items the code reaches by index are there when the form binds its
// controls, and a missing one throws ControlLookupError naming the form, the control and the index.
template<class T>
plat::forms::ControlArray<T> bindItems(const plat::forms::Form& form, std::string_view name, int first, int last)
{
    for (int index = first; index <= last; ++index)
        form.get<T>(name, index);
    return form.array<T>(name);
}

// The same with the items the code reaches listed one by one, where they are not a run.
template<class T>
plat::forms::ControlArray<T> bindItems(const plat::forms::Form& form, std::string_view name, std::initializer_list<int> indexes)
{
    for (int index : indexes)
        form.get<T>(name, index);
    return form.array<T>(name);
}

} // namespace scoreboard
