#include "platform/forms/control_registry.h"

namespace plat::forms {

ControlRegistry& ControlRegistry::global()
{
    static ControlRegistry registry;
    return registry;
}

void ControlRegistry::add(std::string className, Factory factory) { m_factories[std::move(className)] = std::move(factory); }

bool ControlRegistry::contains(std::string_view className) const { return m_factories.find(className) != m_factories.end(); }

std::unique_ptr<Control> ControlRegistry::create(std::string_view className) const
{
    auto it = m_factories.find(className);
    return it == m_factories.end() ? nullptr : it->second();
}

std::vector<std::string> ControlRegistry::classNames() const
{
    std::vector<std::string> out;
    for (const auto& [name, f] : m_factories)
        out.push_back(name);
    return out;
}

} // namespace plat::forms
