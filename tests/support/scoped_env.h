#pragma once
#include <cstdlib>
#include <optional>
#include <string>

namespace test_support {

// Sets an environment variable (or, given nullptr, clears it) for one test and puts the old value
// back when it goes.
class ScopedEnv {
public:
    ScopedEnv(std::string name, const char* value)
        : m_name(std::move(name))
    {
        if (const char* old = std::getenv(m_name.c_str()))
            m_old = old;
        if (value)
            ::setenv(m_name.c_str(), value, 1);
        else
            ::unsetenv(m_name.c_str());
    }
    ScopedEnv(std::string name, const std::string& value)
        : ScopedEnv(std::move(name), value.c_str())
    {
    }
    ~ScopedEnv()
    {
        if (m_old)
            ::setenv(m_name.c_str(), m_old->c_str(), 1);
        else
            ::unsetenv(m_name.c_str());
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    std::string m_name;
    std::optional<std::string> m_old;
};

} // namespace test_support
