#pragma once
#include "platform/forms/control.h"
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace plat::forms {

// Class name -> factory, so that a stored layout can create any control. Libraries register
// their classes with explicit calls at start-up (registerStandardControls for ours).
class ControlRegistry {
public:
    using Factory = std::function<std::unique_ptr<Control>()>;

    // The registry forms load their layouts with.
    static ControlRegistry& global();

    void add(std::string className, Factory factory);
    template<class T>
    void add(std::string className)
    {
        add(std::move(className), [] { return std::unique_ptr<Control>(std::make_unique<T>()); });
    }
    bool contains(std::string_view className) const;
    // Null for a class nobody registered.
    std::unique_ptr<Control> create(std::string_view className) const;
    std::vector<std::string> classNames() const;

private:
    std::map<std::string, Factory, std::less<>> m_factories;
};

} // namespace plat::forms
