#include "scoreboard/required_hooks.h"

namespace scoreboard {

MissingHookError::MissingHookError(std::string_view part, std::string_view hook)
    : std::logic_error(std::string(part) + " made without its hook \"" + std::string(hook) + "\"")
    , m_part(part)
    , m_hook(hook)
{
}

void requireHooks(std::string_view part, std::initializer_list<NamedHook> hooks)
{
    for (const NamedHook& hook : hooks)
        if (!hook.given)
            throw MissingHookError(part, hook.name);
}

} // namespace scoreboard
