#pragma once
#include <functional>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>

namespace scoreboard {

// A part of `main` made without a hook that the program always gives it: the wiring is wrong,
// so the part refuses to be made, naming itself and the hook, as a control a layout lacks
// throws ControlLookupError naming the form and the control.
class MissingHookError : public std::logic_error {
public:
    MissingHookError(std::string_view part, std::string_view hook);
    const std::string& part() const { return m_part; }
    const std::string& hook() const { return m_hook; }

private:
    std::string m_part;
    std::string m_hook;
};

// A hook as the check sees it: its name and whether it was given.
struct NamedHook {
    template<class Signature>
    NamedHook(std::string_view hookName, const std::function<Signature>& hook)
        : name(hookName)
        , given(bool(hook))
    {
    }
    std::string_view name;
    bool given;
};

// Throws MissingHookError for the first of `hooks` not given.
void requireHooks(std::string_view part, std::initializer_list<NamedHook> hooks);

} // namespace scoreboard
