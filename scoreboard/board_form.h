#pragma once
#include "platform/forms/form.h"

#include <string_view>

namespace scoreboard {

// The scoreboard form `main` as the routines of module user reach its controls: set by the form
// while it is loaded, null otherwise (the routines then change the match state only).
plat::forms::Form* boardForm();
void setBoardForm(plat::forms::Form* form);

// A control of the loaded scoreboard by name (and array index), or null while no scoreboard is
// loaded. A loaded scoreboard without it throws ControlLookupError naming the form and the control.
template<class T>
T* boardControl(std::string_view name, int index = -1)
{
    plat::forms::Form* form = boardForm();
    if (!form || !form->isLoaded())
        return nullptr;
    return &form->get<T>(name, index);
}

} // namespace scoreboard
